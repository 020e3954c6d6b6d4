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
constexpr std::array<DesignControl, 18> kSettingsPageRows{{
    {DesignField::StoneSize, 0, 5, 1, Layout},
    {DesignField::GobanSize, 0, 9, 1, Layout},
    {DesignField::StarSize, 0, 9, 1, Layout},
    choiceControl(DesignField::BlackColour, kStoneTintNames, Images),
    choiceControl(DesignField::WhiteColour, kStoneTintNames, Images),
    choiceControl(DesignField::LastFrame, kLastMoveMarkNames, Repaint),
    choiceControl(DesignField::LastSquare, kLastMoveMarkNames, Repaint),
    choiceControl(DesignField::LastBright, kLastMoveMarkNames, Repaint),
    choiceControl(DesignField::GobanCoordinate, kCoordinateNames, Images),
    choiceControl(DesignField::LinePattern, kLinePatternNames, Images),
    choiceControl(DesignField::NumberColour, kNumberColourNames, Repaint),
    choiceControl(DesignField::BackgroundExistence, kBackgroundNames, Images),
    choiceControl(DesignField::NumberDisplay, kNumberDisplayNames, Repaint),
    choiceControl(DesignField::InterruptOperation, kInterruptNames, Repaint),
    checkControl(DesignField::StatusShow, StatusBar),
    checkControl(DesignField::MenuShow, MenuBar),
    checkControl(DesignField::StoneSound, Repaint),
    {DesignField::RcFraction, 0, 999, 1, Repaint},
}};

std::u16string number(long long value) { return asciiToUtf16(std::to_string(value)); }

void refreshOne(Application& app, DesignRefresh what) {
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
}

// The shown design and the shown game's entry hold `value`; false when they did already.
bool writeValue(Application& app, DesignField field, std::int32_t value) {
  const std::int32_t held = clampedDesignValue(field, value);
  if (designValue(app.doc.state.design, field) == held) return false;
  setDesignValue(app.doc.state.design, field, held);
  if (PlaylistEntry* entry = shownEntry(app.playlist)) setDesignValue(*entry, field, held);
  return true;
}

}  // namespace

std::span<const DesignControl> settingsPageControls() { return kSettingsPageRows; }

int shownValue(const Application& app, const DesignControl& control) {
  return designValue(app.doc.state.design, control.field) / std::max(control.unit, 1);
}

std::u16string valueName(const DesignControl& control, int value) {
  const long long index = static_cast<long long>(value) - control.low;
  if (control.form == DesignControlForm::Choice && index >= 0 && index < std::ssize(control.names))
    return std::u16string(control.names[static_cast<std::size_t>(index)]);
  return number(value);
}

bool setDesignControl(Application& app, DesignControl control, int value) {
  const EventScope scope(app);
  const int shown = std::clamp(value, control.low, control.high);
  const std::int64_t wide = std::int64_t{shown} * std::max(control.unit, 1);
  const auto stored = static_cast<std::int32_t>(std::clamp<std::int64_t>(wide, std::numeric_limits<std::int32_t>::min(),
                                                                         std::numeric_limits<std::int32_t>::max()));
  if (!writeValue(app, control.field, stored)) return false;
  recordUndo(app.doc, std::u16string(control.label()) + u"：" + number(shown));
  refreshOne(app, control.refresh);
  app.repaint();
  return true;
}

bool resetDesignControls(Application& app, std::span<const DesignControl> controls) {
  const EventScope scope(app);
  std::array<bool, 5> due{};  // by DesignRefresh
  for (const DesignControl& control : controls)
    if (writeValue(app, control.field, fieldInfo(control.field).initial))
      due.at(static_cast<std::size_t>(control.refresh)) = true;
  if (std::none_of(due.begin(), due.end(), [](bool d) { return d; })) return false;
  recordUndo(app.doc, u"初期設定");
  for (std::size_t what = 0; what < due.size(); ++what)
    if (due[what]) refreshOne(app, static_cast<DesignRefresh>(what));
  app.repaint();
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
