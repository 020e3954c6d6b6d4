#pragma once
// The partial-board search as the list window and the board show it: the
// search panel, a search whose workers run off the window's thread, the result
// browsed on the board, and the player details of the list window.

#include <optional>
#include <string>
#include <vector>

#include "app/application.h"

namespace mokuza::app {

// The fields of the search panel.
enum class SearchField { BwFixed, NextWithin, Threshold, FollowUpCount };

struct SearchPanelField {
  SearchField field = SearchField::BwFixed;
  std::u16string label;   // "黒白固定", "次手を範囲内に限定", "一致率", "後続手表示手数"
  std::u16string suffix;  // "％以上" after the threshold, empty elsewhere
  bool checkBox = false;  // a check box holding 0 or 1, otherwise a number field with a spin control
  int value = 0;
  int low = 0;
  int high = 1;
  int step = 1;
};

// The panel's fields in the order they are shown.
std::vector<SearchPanelField> searchPanel(const Application& app);
// A value the user gave, held to the field's range. The two check boxes are
// the settings bw_fixed and next_within.
void setSearchPanelValue(Application& app, SearchField field, int value);
search::SearchSettings searchSettings(const Application& app);

// "部分図検索" (list command 32931, Ctrl+F): the stones of the shown position,
// or of the range tool's selection, looked for in every game of the playlist.
// The games are searched on the following timer ticks; false when there is
// nothing to search (an empty playlist, or a pattern without points).
bool startSearch(Application& app);
bool searchRunning(const Application& app);
// Ends a running search: the list and the result shown stay as they were.
void cancelSearch(Application& app);
// A timer tick: the next games of a running search. True when the tick was
// the search's (nothing else runs on it).
bool searchTick(Application& app);
// What the list window's title shows while a search runs ("部分図検索　〈…〉
// - %d局中%d局目を検索中") or its result is listed (the result's caption and
// its result line); nothing otherwise.
std::optional<std::u16string> searchListTitle(const Application& app);

// The list window's result area under the search panel: the result line
// (games found, wins and losses with their rates) and the follow-up line of
// the result listed; nothing while no result is listed.
std::vector<std::u16string> searchResultArea(const Application& app);

// The result of the last search while it belongs to the playlist as it is
// (the same games in the same entries): what the list window's "検索結果"
// column and hit marks read. Nothing before a search and after the games
// changed.
const search::SearchResults* currentSearchResults(const Application& app);
// The playlist file and which game file each entry holds, in any order: the
// lines read and the results found stay good while it is the same.
std::size_t playlistGamesKey(const Playlist& playlist);
// The board's overlay for the complete match app.search.example; hidden when
// the result holds none.
void refreshSearchDisplay(Application& app);

// A key released while the board shows a search result: Left and Right step
// through the complete matches, Up and Down letter one follow-up candidate
// more or fewer ("後続手表示手数"), Enter opens the shown match's game at its move. False for
// any other key, and when no result is shown.
bool searchBrowseKey(Application& app, Key key);
// A click on the board while a search result is shown: true when the search
// took it (a follow-up move searched again with it added). A click elsewhere
// leaves the result and goes on to the board.
bool searchBoardClick(Application& app, int point);
// Escape or a board action: the board shows the game again.
void leaveSearchResult(Application& app);

// "黒対局者詳細" (side +1) and "白対局者詳細" (-1) of the list window: the
// player of the clicked row (the first selected row when the clicked one is
// not selected); nothing without a selected row.
struct PlayerDetailsView {
  std::u16string title;              // "対局者詳細"
  std::vector<std::u16string> rows;  // "PlayerName：…", "%zd対局%d勝%d敗"
};
std::optional<PlayerDetailsView> playerDetails(const Application& app, int side);

}  // namespace mokuza::app
