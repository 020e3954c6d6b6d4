#include "app/show.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <optional>
#include <utility>

#include "app/commands.h"
#include "app/layout.h"
#include "app/move_fades.h"
#include "app/pointer.h"
#include "app/search_session.h"
#include "app/startup.h"
#include "app/status_texts.h"
#include "app/view_refresh.h"
#include "core/record/text.h"
#include "playback/design_values.h"
#include "playback/live_notes.h"
#include "render/fade_frames.h"
#include "render/image_export.h"

namespace mokuza::app {
namespace {

constexpr int kCrossFadeStart = 255;
// 51 steps of 5 ms: the new game fades in over a quarter of a second.
constexpr int kCrossFadeStepMs = 5;

// The next frame of a fade or of the cross-fade: the window paints it.
void requestFrame(Application& app) {
  app.paintState.frameDue = true;
  app.repaint();
}

// A fade frame changes only the info area and the fading cells.
void requestFadeFrame(Application& app) {
  app.paintState.frameDue = true;
  for (const QRect& r : app.painter.fadeFrameRects(app.layout.geometry))
    app.window.invalidateRect({r.left(), r.top(), r.left() + r.width(), r.top() + r.height()});
}

// A playlist game was opened: its picture fades in over the old one.
void beginCrossFade(Application& app) {
  app.paintState.crossFade = kCrossFadeStart;
  app.paintState.paintedMove = -1;
  requestFrame(app);
}

// One step of the cross-fade over what the window holds; the timer paces the
// rest, and the show goes on once the new picture stands.
void stepCrossFade(Application& app) {
  PaintState& ps = app.paintState;
  ps.crossFade = render::crossFadeStep(ps.window, app.painter.picture(), ps.crossFade);
  if (ps.crossFade > 0) {
    app.armTimer(kCrossFadeStepMs);
    return;
  }
  render::crossFadeStep(ps.window, app.painter.picture(), 0);
  // What changed during the cross-fade (a step, a command) shows in the next full repaint.
  app.repaint();
  if (autoPlayRunning(app)) app.armTimer(playback::updateTime(app.doc));
}

render::ExportCut exportCutOf(const Application& app, int choice) {
  render::ExportCut cut;
  cut.choice = choice;
  cut.clientWidth = app.layout.client.width;
  cut.clientHeight = app.layout.client.height;
  const int n = app.doc.board.geometry.n;
  const auto& stones = app.doc.shownPosition.boardGrid.stones;
  cut.stones.assign(stones.begin(), stones.begin() + n * n);
  const RangeSelection& range = app.doc.state.selection;
  cut.selection = app.inputMode == render::kInputRange && !app.counting.countingMode && range.active;
  cut.x1 = range.left;
  cut.y1 = range.top;
  cut.x2 = range.right;
  cut.y2 = range.bottom;
  return cut;
}

// "output.jpg" (or the stone images) after a full repaint while auto-play is
// idle, when the setting asks for it and the picture changed since the last one.
void exportImage(Application& app) {
  const int choice = option(app.doc.globalOptions, GlobalOption::ImageOutput);
  PaintState& ps = app.paintState;
  const QImage& picture = app.painter.picture();
  if (choice == render::kOutputNone || autoPlayRunning(app)) return;
  if (choice == ps.exportedChoice && picture == ps.exported) return;
  const render::ExportedFiles files =
      render::ExportBoardImage(exportCutOf(app, choice), picture, app.layout.geometry, app.paintState.design,
                               app.programFolder, app.programFolder);
  for (const std::string& error : files.errors) app.services.diagnostic(error);
  ps.exported = picture;
  ps.exportedChoice = choice;
}

// The encoder a chosen name asks for; any other name gets ".png" added.
const char* imageFormatFor(std::filesystem::path& file) {
  std::string extension = file.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (extension == ".jpg" || extension == ".jpeg") return "jpeg";
  if (extension != ".png") file += ".png";
  return "png";
}

}  // namespace

void saveImageAs(Application& app) {
  platform::FileDialogRequest request;
  request.title = u"画像として保存";
  request.filters = {{u"PNG画像(*.png)", u"*.png"}, {u"JPEG画像(*.jpg)", u"*.jpg;*.jpeg"}};
  request.defaultExtension = u"png";
  request.initialName = "output.png";
  request.overwritePrompt = true;
  std::optional<std::filesystem::path> chosen = app.services.saveFileDialog(request);
  if (!chosen) return;
  std::filesystem::path file = *chosen;
  const char* format = imageFormatFor(file);
  // The stone choices and "なし" write no board picture of their own: the board stands for them.
  int choice = option(app.doc.globalOptions, GlobalOption::ImageOutput);
  if (choice >= render::kOutputStonesCurrent) choice = render::kOutputBoard;
  const QImage part = render::cutPicture(exportCutOf(app, choice), app.painter.picture(), app.layout.geometry);
  const platform::FileStatus written =
      std::strcmp(format, "jpeg") == 0 ? render::SaveBitmapAsJpeg(file, part) : render::saveImageFile(file, part, format);
  if (!written) app.services.diagnostic(written.error);
  platform::MessageBoxRequest message;
  message.title = u"Mokuza";
  message.text = (written ? u"画像を保存しました\n" : u"画像を保存できませんでした\n") + pathToText(file);
  message.icon = written ? platform::Icon::Information : platform::Icon::Error;
  app.services.messageBox(message);
}

void connectPlayback(Application& app) {
  playback::PlaybackActions& a = app.playback.actions;
  a.armTimer = [&app](int periodMs) {
    app.armTimer(periodMs);
    return true;
  };
  a.fadeRunning = [&app] { return !app.painter.fades().empty(); };
  a.endFades = [&app] { endFades(app); };
  a.fadeInMoves = [&app](int firstMove, int lastMove) { addFigureFades(app, firstMove, lastMove); };
  a.fadeStep = [&app] { requestFadeFrame(app); };
  a.moveShown = [&app](int move, int) {
    addMoveFades(app, move);
    app.paintState.statusDue = true;
    requestFrame(app);
  };
  a.playlistGameOpened = [&app](int) { beginCrossFade(app); };
  a.saveSettings = [&app] { saveSettings(app); };
}

void takeShowChanges(Application& app) {
  const playback::ShowChanges changes = std::exchange(app.playback.changes, {});
  if (changes.relayout) layoutWindow(app);
  if (changes.fullRedraw) app.paintState.flags.rebuildImages = true;
  if (changes.repaint || changes.fullRedraw) app.repaint();
  if (changes.cursor) updateCursor(app);
}

const QImage& Application::paint() {
  const EventScope scope(*this, Reach::Picture);
  PaintState& ps = paintState;
  playback::AutoPlayState& s = playback.autoPlay;
  const QSize client(layout.client.width, layout.client.height);
  if (client.isEmpty()) return ps.window;  // not laid out yet
  const bool kept = ps.window.size() == client && !ps.flags.layoutChanged && !ps.flags.rebuildImages;
  const bool due = std::exchange(ps.frameDue, false);
  // Only ticks advance a fade or the cross-fade: a paint they did not ask
  // for (an expose) shows what the window holds.
  if (kept && !due && (s.moveWaitTicks > 0 || ps.crossFade > 0)) return ps.window;
  if (kept && ps.crossFade > 0 && ps.crossFade < kCrossFadeStart) {
    stepCrossFade(*this);
    return ps.window;
  }

  render::RenderState state = renderState();
  state.gameTransition = ps.crossFade > 0;
  // The painter counts the wait: it gets the wait before this frame and gives back what is left.
  const render::AutoPlayWait wait{s.moveWaitTicks, s.moveWaitTotal, playback::updateTime(doc)};
  const render::FadeLayerSound sound = fadeSound(*this);
  const render::PaintResult result = painter.Paint(ps.window, state, layout.geometry, client, ps.flags, wait, &sound);
  s.moveWaitTicks = result.moveWaitTicks;
  ps.paintedMove = doc.currentMove();
  if (result.fadeFrame) {
    if (result.period > 0) armTimer(result.period);
    ps.statusDue = false;
    return ps.window;
  }
  ps.statusDue = false;
  if (ps.crossFade > 0) stepCrossFade(*this);
  exportImage(*this);
  return ps.window;
}

void Application::onTimer() {
  const EventScope scope(*this, Reach::Picture);
  // Held while a dialog is open, so a message box a tick raised is not raised again under it.
  if (window.modalDialogOpen()) return;
  if (searchTick(*this)) return;
  if (paintState.crossFade > 0) {
    requestFrame(*this);
    return;
  }
  if (autoPlayRunning(*this)) {
    playback::onPlaybackTimer(playback);
    return;
  }
  // The notes of a manual step end here; the hold counting keeps the timer while they sound.
  playback::endNotesOnTick(playback.live, services);
  holdTimerTick(*this);
}

}  // namespace mokuza::app
