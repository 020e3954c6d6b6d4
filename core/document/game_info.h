#pragma once
// The game-information dialog as data: the fields it shows, their texts and
// tick boxes, and the page commands that change them. The window only shows
// a GameInfoForm; applying it is game_info_apply.h.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/document/document.h"
#include "core/document/playlist_entry.h"
#include "platform/services.h"

namespace mokuza {

constexpr int kGameInfoSingle = 1;  // edits the loaded game
constexpr int kGameInfoBatch = 2;   // edits the games selected in the playlist
constexpr int kGameInfoIdle = 65535;

// Command identifiers of the pages.
constexpr int kAutoResultCommand = 41122;
constexpr int kSwapPlayersCommand = 41125;
constexpr int kCurrentDateCommand = 42123;
constexpr int kAutoHandicapBox = 2201;
constexpr int kBatchBoxFirst = 2101;  // + the field's index

struct GameInfoDialogField {
  std::u16string_view label;  // the game-information label the field edits
  int control;                // the edit field; its static label is 100 higher
  int page;
  std::u16string_view caption = {};  // what the static label says, where it says more than `label`
  constexpr std::u16string_view shownLabel() const { return caption.empty() ? label : caption; }
};

inline constexpr std::array<GameInfoDialogField, 22> kGameInfoDialogFields{{
    {u"黒対局者", 10000, 1},     {u"白対局者", 10001, 1},       {u"黒棋力", 10002, 1}, {u"白棋力", 10003, 1},
    {u"コミ", 10004, 1},         {u"置石", 10005, 1},           {u"結果", 10006, 1},   {u"持ち時間", 10007, 1},
    {u"秒読み・手", 10008, 1},   {u"秒読み・秒", 10011, 1},     {u"路数", 10009, 1, u"路数（2～19）"},   {u"考慮時間・秒", 10010, 1},
    {u"考慮時間・回", 10012, 1}, {u"ゲーム名", 10013, 2},       {u"大会名", 10014, 2}, {u"ラウンド", 10015, 2},
    {u"対局日", 10016, 2},       {u"対局場", 10017, 2},         {u"著作権", 10018, 2}, {u"記録者", 10019, 2},
    {u"出典", 10020, 2},         {u"ゲームコメント", 10021, 2},
}};
constexpr std::size_t kGameInfoFieldCount = kGameInfoDialogFields.size();

// Indices into kGameInfoDialogFields of the fields the commands touch.
constexpr std::size_t kBlackPlayerField = 0;
constexpr std::size_t kWhitePlayerField = 1;
constexpr std::size_t kBlackRankField = 2;
constexpr std::size_t kWhiteRankField = 3;
constexpr std::size_t kHandicapField = 5;
constexpr std::size_t kResultField = 6;
constexpr std::size_t kBoardSizeField = 10;
constexpr std::size_t kDateField = 16;

// Field texts are taken up to this many UTF-16 units.
constexpr std::size_t kGameInfoTextMax = 500;

struct GameInfoForm {
  int mode = kGameInfoIdle;
  std::u16string title;
  std::array<std::u16string, kGameInfoFieldCount> values;
  std::array<bool, kGameInfoFieldCount> ticked{};  // the batch tick boxes
  bool autoHandicap = false;                       // "置石自動入力": each game's handicap from its setup stones
  bool swapAvailable = true;                       // "対局者入替" works once per showing
  bool operator==(const GameInfoForm&) const = default;

  // Mode 1 shows the swap, automatic-result and board-size controls; mode 2
  // shows the tick boxes and "置石自動入力" instead.
  bool showsSingleGameControls() const { return mode == kGameInfoSingle; }
  // Whether a field can be edited and is written on OK.
  bool fieldEnabled(std::size_t index) const;
};

// Mode 1: every field from the loaded game's information.
GameInfoForm showGameInfo(const Document& doc);

// Mode 2: every field from the first selected game, every box unticked.
// `selectionText` describes the selection (" [No.3～No.8]").
GameInfoForm showBatchGameInfo(const std::vector<const PlaylistEntry*>& games, std::u16string_view selectionText);

// "自動入力": the result from the territory margin (tenths of a point, black
// ahead when positive) while territory counting is shown, else a resignation
// of the side to move.
std::u16string automaticResult(std::optional<int> territoryMarginTenths, int colourToPlay);

// "対局者入替": exchanges names and ranks; false once it was used.
bool swapPlayers(GameInfoForm& form);

void tickField(GameInfoForm& form, std::size_t index, bool ticked);

// A command of the pages, by its identifier; `checked` is the new state of a
// tick box. False when the identifier is none of them or its control is not
// shown in the form's mode.
bool gameInfoCommand(GameInfoForm& form, int id, bool checked, const Document& doc, platform::Services& services,
                     std::optional<int> territoryMarginTenths);

// A date "YYYY-MM-DD..." with its weekday after the tenth character
// ("2024-05-04(土)..."); any other text unchanged.
std::u16string dateWithWeekday(std::u16string_view text);

}  // namespace mokuza
