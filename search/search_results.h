#pragma once
// What a partial-board search hands to the list window and the board
// painter: plain data, every text already composed.
//
// Colours: "○" marks the side that has Black in the pattern, "□" the side
// that has White; in a game found with exchanged colours ○ played White.
// Points are unbordered indices in the pattern's orientation, positions are
// move numbers of a game's main line, -1 means none.

#include <cstdint>
#include <string>
#include <vector>

#include "search/game_outcome.h"
#include "search/game_scan.h"
#include "search/search_pattern.h"

namespace mokuza::search {

// The search panel: "黒白固定", "次手を範囲内に限定", "一致率 … ％以上" and
// "後続手表示手数".
struct SearchSettings {
  bool bwFixed = false;
  bool nextWithin = false;
  int threshold = 100;    // whole percent; partial matches below it are not listed
  int followUpCount = 6;  // candidates shown in the follow-up line, at most six
};

struct GameSearchResult {
  int entry = -1;           // index into Playlist::entries
  std::int32_t number = 0;  // the game's "No."
  bool readable = false;    // the game file could be read
  GameMatch match;
  GameOutcome outcome = GameOutcome::Undecided;
  int rate = 0;         // best count * 100 / pattern stones (0 without stones)
  bool listed = false;  // found, or a partial match at or above the threshold
  std::u16string text;  // the "検索結果" cell: "12", "-12", " 12・30", " 85％" or empty
  bool operator==(const GameSearchResult&) const = default;
};

// One of the six most frequent follow-up points, drawn with its letter.
struct FollowUpCandidate {
  int point = -1;
  std::u16string letter;  // "Ａ" … "Ｆ"
  WinLoss record;         // the games, and the wins and losses of the side that played it
  bool operator==(const FollowUpCandidate&) const = default;
};

struct SearchSummary {
  int playlistGames = 0;
  int found = 0;   // games with a complete match
  int listed = 0;  // found games and partial matches at or above the threshold
  WinLoss circle;  // ○ over the found games
  WinLoss square;  // □
  // The side to play next in the pattern, by the colour it had in the game.
  WinLoss nextAsBlack;
  WinLoss nextAsWhite;
  WinLoss black;  // by the games' own colours (the short form with "黒白固定")
  WinLoss white;
  std::vector<FollowUpCandidate> candidates;  // highest game count first
  bool operator==(const SearchSummary&) const = default;
};

struct SearchTexts {
  std::u16string caption;  // "部分図検索［playlist.gpl］［aa-gg］(12例)" or "再検索〔…〕［playlist.gpl］(5例)"
  std::u16string summary;     // "%zd局中%d局" and the win and loss texts
  std::u16string resultLine;  // " 検索結果 (%d手目)：" summary " "
  std::u16string followUpLine;  // "○次手　Ａ：12局 7勝5敗 .583　…", "□…" when the pattern's last stone is black
  bool operator==(const SearchTexts&) const = default;
};

struct SearchResults {
  SearchPattern pattern;
  SearchSettings settings;
  std::vector<GameSearchResult> games;  // every game, in the list's order
  SearchSummary summary;
  SearchTexts texts;
};

}  // namespace mokuza::search
