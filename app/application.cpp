#include "app/application.h"

#include <algorithm>

#include "app/layout.h"
#include "app/show.h"
#include "app/startup.h"
#include "app/view_refresh.h"
#include "playback/figure_replay.h"
#include "playback/playlist_games.h"
#include "settings/design_values.h"

namespace mokuza::app {

namespace {
// A timer asked for "as soon as possible" still yields to the event loop.
constexpr int kShortestPeriodMs = 1;
}  // namespace

Application::Application(platform::Services& services, WindowPort& window, std::filesystem::path programFolder)
    : services(services),
      window(window),
      programFolder(std::move(programFolder)),
      playback(doc, playlist, services, this->programFolder),
      shownViews(std::make_unique<ShownViews>()) {
  history.folder = this->programFolder / "history";
  connectDocumentHooks(*this);
  connectPlayback(*this);
}

Application::~Application() = default;

void Application::armTimer(int periodMs) {
  paintState.timerPeriod = std::max(periodMs, kShortestPeriodMs);
  window.armTimer(paintState.timerPeriod);
}

void Application::killTimer() {
  paintState.timerPeriod = 0;
  window.killTimer();
}

void Application::repaint() { window.invalidate(); }

render::RenderState Application::renderState() {
  paintState.design = shownDesign(doc.state);
  render::RenderState s;
  s.doc = &doc;
  s.design = &paintState.design;
  s.typeface = std::u16string(textField(doc.state.gameInfo, kTypefaceLabel));
  s.programFolder = programFolder;
  s.inputMode = inputMode;
  s.hoverPoint = pointer.hoverPoint;
  s.shiftHeld = pointer.shiftHeld;
  s.dragSource = pointer.dragSource;
  if (pointer.pressedIcon >= 0) s.pressedIcons.set(static_cast<std::size_t>(pointer.pressedIcon));
  s.autoPlayIdle = !autoPlayRunning(*this);
  s.counting = &counting;
  s.search = &search.display;
  s.panelShown = !layout.panelHidden;
  s.panelWidth = panelDeviceWidth(*this);
  s.pixelRatio = layout.screens.pixelRatio;
  s.statusBarHeight = layout.statusBarHeight;
  if (replayModeOn(doc.state.options)) s.figureStart = playback::shownFigureStart(doc);
  s.variationMarks = switchOn(doc.globalOptions, GlobalOption::VariationMarks);
  return s;
}

PlaylistContext Application::playlistContext() {
  return PlaylistContext{playlist, doc, services, programFolder,
                         [this] {
                           if (playlist.currentGameIndex > 0)
                             playback::OpenPlaylistGame(playback, playlist.currentGameIndex, u"");
                         },
                         [this](const std::u16string& title) {
                           window.showBusyTitle(title);
                           // The next refresh puts the game's title back.
                           shownViews->title.clear();
                         }};
}

bool autoPlayRunning(const Application& app) { return app.playback.autoPlay.running(); }

SettingsContext Application::settingsContext() const {
  return SettingsContext{programFolder, programFolder / "setting.dat", layout.screens.info};
}

}  // namespace mokuza::app
