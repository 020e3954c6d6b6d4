#include "search/search_summary.h"

#include <array>
#include <string_view>

namespace mokuza::search {
namespace {

constexpr std::array<std::u16string_view, kFollowUpCandidates> kLetters{u"Ａ", u"Ｂ", u"Ｃ", u"Ｄ", u"Ｅ", u"Ｆ"};

// The six points with most games, highest first; on equal counts the lower
// point stays ahead.
std::vector<FollowUpCandidate> rankCandidates(const std::vector<WinLoss>& byPoint) {
  std::vector<FollowUpCandidate> ranked;
  std::vector<bool> taken(byPoint.size(), false);
  for (std::size_t rank = 0; rank < kLetters.size(); ++rank) {
    int best = -1;
    for (std::size_t p = 0; p < byPoint.size(); ++p)
      if (!taken[p] && byPoint[p].games > 0 &&
          (best < 0 || byPoint[p].games > byPoint[static_cast<std::size_t>(best)].games))
        best = static_cast<int>(p);
    if (best < 0) break;
    taken[static_cast<std::size_t>(best)] = true;
    ranked.push_back({best, std::u16string(kLetters[rank]), byPoint[static_cast<std::size_t>(best)]});
  }
  return ranked;
}

}  // namespace

SearchSummary summarise(const std::vector<GameSearchResult>& games, const SearchPattern& pattern, int playlistGames) {
  SearchSummary summary;
  summary.playlistGames = playlistGames;
  std::vector<WinLoss> byPoint(kMaxBoardPoints);
  const int next = nextColour(pattern);
  for (const GameSearchResult& game : games) {
    if (game.listed) ++summary.listed;
    if (!game.match.found()) continue;
    ++summary.found;
    // The colour ○ (the pattern's Black) had in this game.
    const int circleColour = game.match.firstMatchExchanged ? -1 : 1;
    summary.circle.add(game.outcome, circleColour);
    summary.square.add(game.outcome, -circleColour);
    const int nextInGame = next * circleColour;
    (nextInGame > 0 ? summary.nextAsBlack : summary.nextAsWhite).add(game.outcome, nextInGame);
    summary.black.add(game.outcome, 1);
    summary.white.add(game.outcome, -1);
    const int point = game.match.followUpPoint;
    if (point >= 0 && point < kMaxBoardPoints)
      byPoint[static_cast<std::size_t>(point)].add(game.outcome, game.match.followUpColour);
  }
  summary.candidates = rankCandidates(byPoint);
  return summary;
}

}  // namespace mokuza::search
