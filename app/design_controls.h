#pragma once
// The design values the panel's "設定" page and the design settings dialog
// edit: each value's bounds and spin step, one setter that writes the shown
// design and refreshes what the value changes, and the copy of a value into
// every game of the playlist.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "app/application.h"
#include "core/document/design_fields.h"
#include "playlist/list_changes.h"

namespace mokuza::app {

// What the window must do once a value changed.
enum class DesignRefresh : std::uint8_t {
  Repaint,    // the next paint reads it
  Images,     // the stone, board or background images are made again
  Layout,     // the board geometry follows it
  StatusBar,  // "ステータスバー"
  MenuBar,    // "メニューバー"
};

// How a value is offered: a number, one of its value names, or a tick.
enum class DesignControlForm : std::uint8_t { Number, Choice, Check };

struct DesignControl {
  DesignField field;
  int low = 0;
  int high = 0;
  int step = 1;
  DesignRefresh refresh = DesignRefresh::Repaint;
  int unit = 1;  // the stored value is the shown one times this
  // Choice: the name of each value from `low` on; Check: off and on.
  DesignControlForm form = DesignControlForm::Number;
  std::span<const std::u16string_view> names = {};
  std::u16string_view label() const { return fieldInfo(field).label; }
};

// The names the settings show for the values of the design fields that have them.
inline constexpr std::array<std::u16string_view, 6> kStoneTintNames{u"なし", u"青", u"緑", u"赤", u"黄", u"紫"};
inline constexpr std::array<std::u16string_view, 5> kLastMoveMarkNames{u"なし", u"最終局面", u"各譜", u"全局面",
                                                                       u"全ての石"};
inline constexpr std::array<std::u16string_view, 4> kCoordinateNames{u"なし", u"数字", u"英字と数字", u"小文字"};
inline constexpr std::array<std::u16string_view, 4> kLinePatternNames{u"黒", u"星画像（拡大）", u"星画像（盤全体）",
                                                                      u"星画像（升目ごと）"};
inline constexpr std::array<std::u16string_view, 2> kNumberColourNames{u"白黒", u"相手の石"};
inline constexpr std::array<std::u16string_view, 3> kBackgroundNames{u"なし", u"あり(余白なし)", u"あり(余白あり)"};
inline constexpr std::array<std::u16string_view, 3> kNumberDisplayNames{u"なし", u"変化手順のみ", u"あり"};
inline constexpr std::array<std::u16string_view, 4> kInterruptNames{u"毎回確認", u"変化図作成", u"次の手の前に挿入",
                                                                    u"次の手を置き換える"};

constexpr DesignControl choiceControl(DesignField field, std::span<const std::u16string_view> names,
                                      DesignRefresh refresh) {
  return {field, 0, static_cast<int>(names.size()) - 1, 1, refresh, 1, DesignControlForm::Choice, names};
}
constexpr DesignControl checkControl(DesignField field, DesignRefresh refresh) {
  return {field, 0, 1, 1, refresh, 1, DesignControlForm::Check, {}};
}

// The name a value goes by, or its digits where it has none.
std::u16string valueName(const DesignControl& control, int value);

// The "設定" page: the display values no menu reaches, in page order.
std::span<const DesignControl> settingsPageControls();

// The value a control shows for the shown design.
int shownValue(const Application& app, const DesignControl& control);

// Writes a shown value (held to the control's bounds) into the shown design
// and the shown game's entry, refreshes the window and records
// "<label>：<value>". False when the value was already there.
// By value: the refresh it triggers may rebuild the list the control came from.
bool setDesignControl(Application& app, DesignControl control, int value);

// The typeface "書体" of the board and panel texts.
// Every value of `controls` back at the initial design's, recorded as one
// undo entry named "初期設定"; false when all were there already.
bool resetDesignControls(Application& app, std::span<const DesignControl> controls);

std::u16string shownTypeface(const Application& app);
bool setTypeface(Application& app, std::u16string_view face);

// "プレイリスト全体へ適用": the shown design's value of `field` into every
// game of the playlist, written through the list's change path.
ListOutcome applyToWholePlaylist(Application& app, DesignField field);

}  // namespace mokuza::app
