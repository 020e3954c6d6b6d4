#pragma once
// Who won a game, read from its result text, and how a win rate is written.

#include <string>
#include <string_view>

namespace mokuza::search {

enum class GameOutcome { Undecided, BlackWin, WhiteWin };

// "B+…" / "W+…" in either letter case; otherwise a text holding "勝" or "胜"
// that starts with "白" (White) or "黒" / "黑" (Black). Anything else,
// "ジゴ" included, decides nothing.
GameOutcome readOutcome(std::u16string_view result);

// Wins and losses of one side over a set of games.
struct WinLoss {
  int games = 0;
  int wins = 0;
  int losses = 0;

  void add(GameOutcome outcome, int side);  // side +1 black, -1 white
  bool operator==(const WinLoss&) const = default;
};

// "1.000" when every decided game was won, "---" without decided games,
// otherwise "." and three digits rounded half up, then a blank (".583 ").
std::u16string winRateText(int wins, int losses);

}  // namespace mokuza::search
