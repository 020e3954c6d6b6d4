#pragma once
// The design values the panel's "設定" page and the design settings dialog
// edit: each value's bounds and spin step, one setter that writes the shown
// design and refreshes what the value changes, and the copy of a value into
// every game of the playlist.

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

struct DesignControl {
  DesignField field;
  int low = 0;
  int high = 0;
  int step = 1;
  DesignRefresh refresh = DesignRefresh::Repaint;
  int unit = 1;  // the stored value is the shown one times this
  std::u16string_view label() const { return fieldInfo(field).label; }
};

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
std::u16string shownTypeface(const Application& app);
bool setTypeface(Application& app, std::u16string_view face);

// "プレイリスト全体へ適用": the shown design's value of `field` into every
// game of the playlist, written through the list's change path.
ListOutcome applyToWholePlaylist(Application& app, DesignField field);

}  // namespace mokuza::app
