#pragma once
// The counts of a search: found games, wins and losses of both sides, and
// the follow-up points ranked by how many games chose them.

#include <vector>

#include "search/search_results.h"

namespace mokuza::search {

constexpr int kFollowUpCandidates = 6;

SearchSummary summarise(const std::vector<GameSearchResult>& games, const SearchPattern& pattern, int playlistGames);

}  // namespace mokuza::search
