#include "app/design_controls.h"

#include <algorithm>
#include <array>
#include <limits>

#include "app/layout.h"
#include "app/view_refresh.h"
#include "core/document/undo.h"
#include "core/record/text.h"
#include "settings/design_values.h"

namespace mokuza::app {
namespace {

using enum DesignRefresh;

// Bounds are those of the values' meanings: the painter reads nothing outside them.
constexpr std::array<DesignControl, 17> kSettingsPageRows{{
    {DesignField::StoneSize, 0, 5, 1, Layout},
    {DesignField::GobanSize, 0, 9, 1, Layout},
    {DesignField::StarSize, 0, 9, 1, Layout},
    {DesignField::BlackColour, 0, 5, 1, Images},
    {DesignField::WhiteColour, 0, 5, 1, Images},
    {DesignField::LastFrame, 0, 4, 1, Repaint},
    {DesignField::LastSquare, 0, 4, 1, Repaint},
    {DesignField::LastBright, 0, 4, 1, Repaint},
    {DesignField::GobanCoordinate, 0, 3, 1, Images},
    {DesignField::LinePattern, 0, 3, 1, Images},
    {DesignField::NumberColour, 0, 1, 1, Repaint},
    {DesignField::BackgroundExistence, 0, 2, 1, Images},
    {DesignField::NumberDisplay, 0, 2, 1, Repaint},
    {DesignField::InterruptOperation, 0, 3, 1, Repaint},
    {DesignField::StatusShow, 0, 1, 1, StatusBar},
    {DesignField::MenuShow, 0, 1, 1, MenuBar},
    {DesignField::RcFraction, 0, 999, 1, Repaint},
}};

std::u16string number(long long value) { return asciiToUtf16(std::to_string(value)); }

void refresh(Application& app, DesignRefresh what) {
  switch (what) {
    case Repaint: break;
    case Images: app.paintState.flags.rebuildImages = true; break;
    case Layout:
      app.paintState.flags.rebuildImages = true;
      layoutWindow(app);
      break;
    case StatusBar:
      setStatusBarVisible(app);
      layoutWindow(app);
      break;
    case MenuBar:
      setMenuBarVisible(app);
      layoutWindow(app);
      break;
  }
  app.repaint();
}

}  // namespace

std::span<const DesignControl> settingsPageControls() { return kSettingsPageRows; }

int shownValue(const Application& app, const DesignControl& control) {
  return designValue(app.doc.state.design, control.field) / std::max(control.unit, 1);
}

bool setDesignControl(Application& app, DesignControl control, int value) {
  const int shown = std::clamp(value, control.low, control.high);
  const std::int64_t wide = std::int64_t{shown} * std::max(control.unit, 1);
  const auto stored = static_cast<std::int32_t>(std::clamp<std::int64_t>(wide, std::numeric_limits<std::int32_t>::min(),
                                                                         std::numeric_limits<std::int32_t>::max()));
  const std::int32_t held = clampedDesignValue(control.field, stored);
  if (designValue(app.doc.state.design, control.field) == held) return false;
  setDesignValue(app.doc.state.design, control.field, held);
  if (PlaylistEntry* entry = shownEntry(app.playlist)) setDesignValue(*entry, control.field, held);
  recordUndo(app.doc, std::u16string(control.label()) + u"：" + number(shown));
  refresh(app, control.refresh);
  return true;
}

std::u16string shownTypeface(const Application& app) {
  return std::u16string(textField(app.doc.state.gameInfo, kTypefaceLabel));
}

bool setTypeface(Application& app, std::u16string_view face) {
  const EventScope scope(app);
  if (shownTypeface(app) == face) return false;
  app.doc.state.gameInfo.textFields.insert_or_assign(std::u16string(kTypefaceLabel), std::u16string(face));
  app.paintState.flags.rebuildImages = true;
  // The panel's texts are set in the same face.
  app.window.rebuildPanel(textScale(app));
  app.repaint();
  recordUndo(app.doc, std::u16string(kTypefaceLabel) + u"：" + std::u16string(face));
  return true;
}

ListOutcome applyToWholePlaylist(Application& app, DesignField field) {
  if (app.playlist.path.empty() || app.playlist.gameCount() == 0) return ListOutcome::Nothing;
  const std::int32_t value = designValue(app.doc.state.design, field);
  PlaylistContext context = app.playlistContext();
  storeShownDesign(context);
  for (int record : app.playlist.displayOrder)
    setDesignValue(app.playlist.entries.at(static_cast<std::size_t>(record)), field, value);
  return commitListChange(context,
                          u"プレイリスト全体へ適用 " + std::u16string(fieldInfo(field).label) + u"：" + number(value));
}

}  // namespace mokuza::app
