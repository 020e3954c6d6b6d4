#pragma once
// The design settings dialog: one modeless dialog showing one of four groups
// of design values, each an edit with a spin control that writes the shown
// design and repaints.

#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "app/design_controls.h"

namespace mokuza::app {

enum class DesignGroupKind { Transparency, BoardPosition, MoveNumbers, AutoPlay };

struct DesignDialogField {
  DesignControl control;
  int value = 0;             // as shown, in the control's unit
  std::u16string_view unit;  // "×0.01秒" or "ミリ秒" where the value is a time; else empty
};

struct DesignDialogSession {
  DesignGroupKind group = DesignGroupKind::Transparency;
  std::u16string_view title;  // the group's name
  std::u16string_view hint;   // "［ 0＝非表示　255＝表示 ］" for the opacities
  std::vector<DesignDialogField> fields;
  // "情報ウィンドウ非表示" (auto-play group only).
  std::optional<bool> hideInfoWindow;
};

// The group a dialog kind shows; nothing for the other dialogs.
std::optional<DesignGroupKind> designGroupOf(DialogKind kind);

DesignDialogSession beginDesignDialog(const Application& app, DesignGroupKind group);
// A value of field `index` typed or spun: written at once; the session shows
// what the design now holds. False when nothing changed.
bool setDesignDialogValue(Application& app, DesignDialogSession& session, std::size_t index, int value);
// "初期設定": the group's values back at the initial design's, one undo entry.
bool resetDesignDialog(Application& app, DesignDialogSession& session);
void setHideInfoWindow(Application& app, DesignDialogSession& session, bool hide);

}  // namespace mokuza::app
