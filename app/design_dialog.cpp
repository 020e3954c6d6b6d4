#include "app/design_dialog.h"

#include <array>

#include "app/layout.h"
#include "app/view_refresh.h"

namespace mokuza::app {
namespace {

using enum DesignRefresh;
using enum DesignField;

constexpr int kAutoPlayStep = 10;
constexpr int kMillisecondsPerShownUnit = 10;  // "×0.01秒"
constexpr std::u16string_view kMilliseconds = u"ミリ秒";

struct GroupField {
  DesignControl control;
  std::u16string_view unit;
};

// Opacities end at 255, positions and times at 9999, counts at 999; every
// value starts at 0 but "ループ再生", whose sign switches the loop off.
constexpr std::array<GroupField, 5> kTransparency{{
    {{BlackTransparency, 0, 255, 1, Images}, {}},
    {{WhiteTransparency, 0, 255, 1, Images}, {}},
    {{GobanTransparency, 0, 255, 1, Images}, {}},
    {{LineTransparency, 0, 255, 1, Images}, {}},
    {{StarTransparency, 0, 255, 1, Images}, {}},
}};
constexpr std::array<GroupField, 5> kBoardPosition{{
    {{MarginX, 0, 9999, 1, Layout}, {}},
    {{MarginY, 0, 9999, 1, Layout}, {}},
    {{BackX, 0, 9999, 1, Layout}, {}},
    {{BackY, 0, 9999, 1, Layout}, {}},
    {{AbsoluteSize, 0, 9999, 1, Layout}, {}},
}};
constexpr std::array<GroupField, 3> kMoveNumbers{{
    {choiceControl(NumberDisplay, kNumberDisplayNames, Repaint), {}},
    {choiceControl(NumberColour, kNumberColourNames, Repaint), {}},
    {{RcFraction, 0, 999, 1, Repaint}, {}},
}};
constexpr std::array<GroupField, 7> kAutoPlay{{
    {{AutoSpeed, 0, 9999, kAutoPlayStep, Repaint, kMillisecondsPerShownUnit}, u"×0.01秒"},
    {{AutoStart, 0, 9999, kAutoPlayStep, Repaint}, {}},
    {{AutoLast, 0, 9999, kAutoPlayStep, Repaint}, {}},
    {{MoveFadeTime, 0, 9999, kAutoPlayStep, Repaint}, kMilliseconds},
    {{HamaFadeTime, 0, 9999, kAutoPlayStep, Repaint}, kMilliseconds},
    {{LightOffTime, 0, 9999, kAutoPlayStep, Repaint}, kMilliseconds},
    {{LoopTime, -9999, 9999, kAutoPlayStep, Repaint}, kMilliseconds},
}};

struct GroupInfo {
  std::u16string_view title;
  std::span<const GroupField> fields;
};

GroupInfo groupInfo(DesignGroupKind group) {
  switch (group) {
    case DesignGroupKind::Transparency: return {u"透明度設定", kTransparency};
    case DesignGroupKind::BoardPosition: return {u"碁盤位置設定", kBoardPosition};
    case DesignGroupKind::MoveNumbers: return {u"手数表示設定", kMoveNumbers};
    case DesignGroupKind::AutoPlay: return {u"自動再生設定", kAutoPlay};
  }
  return {};
}

bool infoWindowHideArmed(const Application& app) { return app.playback.autoPlay.infoWindowHide != playback::InfoWindowHide::Off; }

}  // namespace

std::optional<DesignGroupKind> designGroupOf(DialogKind kind) {
  switch (kind) {
    case DialogKind::DesignTransparency: return DesignGroupKind::Transparency;
    case DialogKind::DesignBoardPosition: return DesignGroupKind::BoardPosition;
    case DialogKind::DesignMoveNumbers: return DesignGroupKind::MoveNumbers;
    case DialogKind::DesignAutoPlay: return DesignGroupKind::AutoPlay;
    default: return std::nullopt;
  }
}

DesignDialogSession beginDesignDialog(const Application& app, DesignGroupKind group) {
  const GroupInfo info = groupInfo(group);
  DesignDialogSession session;
  session.group = group;
  session.title = info.title;
  if (group == DesignGroupKind::Transparency) session.hint = u"［ 0＝非表示　255＝表示 ］";
  for (const GroupField& field : info.fields)
    session.fields.push_back({field.control, shownValue(app, field.control), field.unit});
  if (group == DesignGroupKind::AutoPlay) session.hideInfoWindow = infoWindowHideArmed(app);
  return session;
}

bool setDesignDialogValue(Application& app, DesignDialogSession& session, std::size_t index, int value) {
  const EventScope scope(app);
  if (index >= session.fields.size()) return false;
  const DesignControl control = session.fields[index].control;
  // The window may refresh the session while the value is written.
  const bool changed = setDesignControl(app, control, value);
  if (index < session.fields.size()) session.fields[index].value = shownValue(app, control);
  return changed;
}

bool resetDesignDialog(Application& app, DesignDialogSession& session) {
  std::vector<DesignControl> controls;
  for (const DesignDialogField& field : session.fields) controls.push_back(field.control);
  const bool changed = resetDesignControls(app, controls);
  for (DesignDialogField& field : session.fields) field.value = shownValue(app, field.control);
  return changed;
}

void setHideInfoWindow(Application& app, DesignDialogSession& session, bool hide) {
  const EventScope scope(app);
  if (!session.hideInfoWindow) return;
  playback::AutoPlayState& autoPlay = app.playback.autoPlay;
  using playback::InfoWindowHide;
  if (hide && autoPlay.infoWindowHide == InfoWindowHide::Off) autoPlay.infoWindowHide = InfoWindowHide::Armed;
  if (!hide && autoPlay.infoWindowHide != InfoWindowHide::Off) {
    // Unticked while auto-play keeps the panel hidden: it comes back now.
    if (autoPlay.infoWindowHide == InfoWindowHide::Hidden) {
      autoPlay.infoWindowHidden = autoPlay.savedInfoWindowHidden;
      layoutWindow(app);
      app.repaint();
    }
    autoPlay.infoWindowHide = InfoWindowHide::Off;
  }
  session.hideInfoWindow = infoWindowHideArmed(app);
}

}  // namespace mokuza::app
