#pragma once
// The texts of a search: the "検索結果" cell of a game, the captions and the
// summary lines.

#include <string>
#include <string_view>

#include "search/search_results.h"

namespace mokuza::search {

// "%d" for a match with the pattern's colours, the position negated for one
// with exchanged colours only, " %d・%d" for both; otherwise " %d％" when the
// rate reaches the threshold, and nothing below it.
std::u16string gameResultText(const GameMatch& match, int rate, bool rateListed);

// "部分図検索　〈%s〉 - %d局中%d局目を検索中", shown while game `number` is searched.
std::u16string progressCaption(std::u16string_view playlistName, int games, int number);

// Every text of the summary, from the summary counts and the pattern.
SearchTexts composeTexts(const SearchResults& results, std::u16string_view playlistName);

}  // namespace mokuza::search
