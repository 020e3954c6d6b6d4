#pragma once
// The side panel as data: its four pages and every control with its id,
// kind, label, rectangle (pixels inside the page container), enabled and
// checked state, and the value of the "設定" page's rows. The window draws
// what this holds and hands what the user did to the functions below.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "app/application.h"

namespace mokuza::app {

enum class PanelControlKind { PushButton, RadioButton, CheckBox, Edit, ReadOnlyText, MultiLineText, SpinEdit, Choice };

inline constexpr std::array<std::u16string_view, 4> kPanelTabs{u"ゲーム情報", u"着手情報", u"入力", u"設定"};
inline constexpr int kGameInfoPage = 0;
inline constexpr int kMoveInfoPage = 1;
inline constexpr int kInputPage = 2;
inline constexpr int kSettingsPage = 3;

// The panel's buttons, from "パス" (1111) to "上へずらす" (1123), "編集" and "結果表示".
inline constexpr int kPassButton = 1111;
inline constexpr int kColourToPlayButton = 1112;
inline constexpr int kDeleteMoveButton = 1113;
inline constexpr int kDeleteFromHereButton = 1114;
inline constexpr int kDeleteRangeButton = 1115;
inline constexpr int kFirstTransformButton = 1116;
inline constexpr int kGameInfoButton = 1003;
inline constexpr int kMoveInfoButton = 1004;  // "編集" of the move-information page
inline constexpr int kHideBox = 1250;         // "非表示", never enabled
inline constexpr int kResultDisplayBox = 1301;

// Ids of the controls the panel adds on the "設定" page: one row per value
// from kSettingRowFirst, then the typeface and the copy to the playlist.
inline constexpr int kLabelTextEdit = 1200;
inline constexpr int kGameInfoText = 2000;
inline constexpr int kMoveInfoText = 2001;
inline constexpr int kSettingRowFirst = 1400;
inline constexpr int kTypefaceEdit = 1480;
inline constexpr int kApplyToPlaylistButton = 1481;

struct PanelControl {
  int id = 0;
  PanelControlKind kind = PanelControlKind::PushButton;
  int page = 0;
  std::u16string text;  // the label, or what an edit holds
  Rect rect;
  bool enabled = true;
  bool checked = false;  // also the selected row of the "設定" page
  // SpinEdit and Choice.
  int value = 0;
  int low = 0;
  int high = 0;
  int step = 1;
  std::vector<std::u16string> choices;  // Choice: the name of each value from `low` on
  bool operator==(const PanelControl&) const = default;
};

struct PanelModel {
  int textScale = 2;
  Rect frame;    // the panel in the client area, below the icon strip
  Rect content;  // the page container, from its own origin
  int page = 0;
  std::vector<PanelControl> controls;

  const PanelControl* find(int id) const;
  bool operator==(const PanelModel&) const = default;
};

PanelModel buildPanel(const Application& app);

// The id of the "設定" row of a design value, -1 when the page has none.
int settingRowId(DesignField field);

// Edits of the panel's fields and rows (the typeface edit: setTypeface).
void setLabelText(Application& app, std::u16string_view text);
void selectSettingRow(Application& app, int id);
// A spin or typed value of a "設定" row; false when nothing changed.
bool setSettingValue(Application& app, int id, int value);
// A click on a "設定" row shown as a tick: its value flips. False for any other control.
bool toggleSettingCheck(Application& app, int id);
// "プレイリスト全体へ適用" for the selected row.
void applySettingToPlaylist(Application& app);
// A double click on the move-information page opens the move dialog, as its "編集" does.
void onMoveInfoPageDoubleClick(Application& app);

}  // namespace mokuza::app
