#include <optional>
#include <utility>

#include "app/command_table.h"
#include "app/commands.h"
#include "app/layout.h"
#include "app/list_menu.h"
#include "app/option_toggles.h"
#include "app/panel_model.h"
#include "app/pointer.h"
#include "app/search_session.h"
#include "app/view_refresh.h"
#include "core/document/editing.h"
#include "playback/figure_replay.h"
#include "playback/playlist_games.h"
#include "playlist/list_order.h"

namespace mokuza::app {
namespace {

// The keys whose hints light up in a shown search result while held.
std::optional<render::SearchKey> searchKey(Key key) {
  switch (key) {
    case Key::Left: return render::kKeyLeft;
    case Key::Right: return render::kKeyRight;
    case Key::Up: return render::kKeyUp;
    case Key::Down: return render::kKeyDown;
    case Key::Enter: return render::kKeyEnter;
    default: return std::nullopt;
  }
}

bool searchBrowsing(const Application& app) { return app.search.display.shown && !autoPlayRunning(app); }

// The playlist's rows are what the key acts on: it came from the playlist
// tab, or the main window has that tab shown.
bool playlistRowsInView(const Application& app, int selector) {
  if (selector != kFromMainWindow) return selector == static_cast<int>(ListTab::Playlist);
  return app.lists.shown && app.lists.tab == ListTab::Playlist;
}

// Ctrl+F searches the playlist's games: from the main window the list
// window comes up on its playlist tab first. Other tabs of the list window
// have no games to search.
void searchFromKey(Application& app, int selector) {
  if (selector != kFromMainWindow && selector != static_cast<int>(ListTab::Playlist)) return;
  if (!playlistRowsInView(app, selector)) toggleListWindow(app, ListTab::Playlist);
  startSearch(app);
}

// B and N: by figures in replay mode, to the neighbouring game past the
// first or last figure (and always outside replay mode, where the game is
// one figure).
void stepFigure(Application& app, int direction) {
  Document& doc = app.doc;
  const bool replayMode = replayModeOn(doc.state.options);
  const bool atEnd = direction < 0 ? doc.currentMove() == 0 : doc.currentMove() >= playback::showableEnd(doc);
  if (!replayMode || atEnd) {
    runCommand(app, direction < 0 ? Command::PreviousGame : Command::NextGame);
    return;
  }
  if (direction < 0) playback::figureReplayPrevious(app.playback);
  else playback::figureReplayNext(app.playback);
}

void reverseColourToPlay(Application& app, const KeyEvent& event) {
  app.doc.colourToPlay = static_cast<std::int8_t>(-app.doc.colourToPlay);
  if (!event.modifiers.shift) app.window.setCursor(CursorKind::Arrow);
  app.pointer.pressedPoint = app.pointer.hoverPoint;
  app.repaint();
}

// Ctrl+R: the range tool, leaving replay mode first.
void chooseRangeTool(Application& app) {
  if (replayModeOn(app.doc.state.options)) {
    toggleReplayMode(app, u"棋譜並べモード→選択範囲");
  }
  app.inputMode = render::kInputRange;
  app.repaint();
}

void switchLine(Application& app, bool toMainLine) {
  switchVariation(app.doc, toMainLine);
  app.repaint();
}

// An arrow from a list window steps the game in the main window.
void arrowFromListWindow(Application& app, Key key, int selector) {
  if (selector == kFromMainWindow) return;
  app.window.focusMainWindow();
  stepMove(app, key == Key::Left || key == Key::Up ? -1 : 1);
}

void notePress(PointerState& pointer, const KeyEvent& event, int window) {
  if (event.autoRepeat) return;
  pointer.keyPresses[static_cast<std::size_t>(event.key)] = KeyPress{event.modifiers, window};
}

// The release as its press saw it: the modifiers held then, since a hand
// often lets go of Ctrl a moment before the letter. Nothing when the press
// went to another window, a dialog or a menu.
std::optional<KeyEvent> releaseOfPress(PointerState& pointer, const KeyEvent& event, int window) {
  std::optional<KeyPress>& press = pointer.keyPresses[static_cast<std::size_t>(event.key)];
  const std::optional<KeyPress> seen = std::exchange(press, std::nullopt);
  if (!seen || seen->window != window) return std::nullopt;
  // Alt combinations belong to the menu bar's mnemonics and the accelerators.
  if (seen->modifiers.meta || seen->modifiers.alt) return std::nullopt;
  return KeyEvent{event.key, seen->modifiers, false};
}

}  // namespace

Key letterKey(char letter) {
  if (letter >= 'a' && letter <= 'z') letter = static_cast<char>(letter - 'a' + 'A');
  if (letter < 'A' || letter > 'Z') return Key::Other;
  return static_cast<Key>(static_cast<int>(Key::A) + (letter - 'A'));
}

void Application::onKeyDown(const KeyEvent& event) {
  const EventScope scope(*this, Reach::Game);
  if (window.modalDialogOpen()) return;
  pointer.keyDown = true;
  notePress(pointer, event, kFromMainWindow);
  // The accelerators act on the press.
  if (event.modifiers.alt && (event.key == Key::Question || event.key == Key::Slash)) {
    runCommand(*this, Command::About);
    return;
  }
  const bool running = autoPlayRunning(*this);
  if (const auto held = searchKey(event.key); held && searchBrowsing(*this)) {
    search.display.heldKeys.set(*held);
    repaint();
    return;
  }
  switch (event.key) {
    case Key::Left:
      if (running) changeDisplayTime(*this, 1);
      else stepMove(*this, -1);
      break;
    case Key::Right:
      if (running) changeDisplayTime(*this, -1);
      else stepMove(*this, 1);
      break;
    case Key::Shift:
      pointer.shiftHeld = true;
      updateCursor(*this);
      break;
    case Key::Control: repaint(); break;
    default: break;
  }
}

void Application::onKeyUp(const KeyEvent& event) {
  const EventScope scope(*this, Reach::Game);
  pointer.keyDown = false;
  if (event.autoRepeat) return;
  const std::optional<KeyEvent> release = releaseOfPress(pointer, event, kFromMainWindow);
  if (window.modalDialogOpen()) return;
  if (const auto held = searchKey(event.key); held && search.display.heldKeys.test(*held)) {
    search.display.heldKeys.reset(*held);
    repaint();
  }
  if (release) ShortcutKeys(*release, kFromMainWindow, kFromMainWindow);
}

void Application::onListKeyDown(const KeyEvent& event, int selector) { notePress(pointer, event, selector); }

void Application::onListKeyUp(const KeyEvent& event, int selector) {
  if (event.autoRepeat) return;
  if (const std::optional<KeyEvent> release = releaseOfPress(pointer, event, selector))
    ShortcutKeys(*release, selector, selector);
}

// Both selectors name the same list window; the tab in the first is enough.
void Application::ShortcutKeys(const KeyEvent& event, int selectorA, [[maybe_unused]] int selectorB) {
  const bool step = event.key == Key::Left || event.key == Key::Right || event.key == Key::Up ||
                    event.key == Key::Down || event.key == Key::Shift;
  const EventScope scope(*this, step ? Reach::Game : Reach::Everything);
  const bool ctrl = event.modifiers.ctrl;
  const bool running = autoPlayRunning(*this);
  const bool fromList = selectorA != kFromMainWindow;
  switch (event.key) {
    case Key::Backspace: onPanelCommand(kDeleteMoveButton); break;
    case Key::Enter:
      if (!searchBrowseKey(*this, event.key) && playlistRowsInView(*this, selectorA))
        listWindowCommand(*this, kOpenListGameCommand);
      break;
    case Key::Escape:
      if (searchRunning(*this)) cancelSearch(*this);
      else leaveSearchResult(*this);
      break;
    case Key::Shift:
      pointer.shiftHeld = false;
      updateCursor(*this);
      break;
    case Key::Delete:
      if (playlistRowsInView(*this, selectorA)) listWindowCommand(*this, kDeleteGamesCommand);
      break;
    case Key::A:
      if (!ctrl) runCommand(*this, Command::AutoPlay);
      else if (fromList && playlistRowsInView(*this, selectorA)) listWindowCommand(*this, kSelectAllCommand);
      break;
    case Key::B:
    case Key::N:
      if (running && !playback.autoPlay.figureRun()) break;
      if (ctrl) runCommand(*this, event.key == Key::B ? Command::PreviousGame : Command::NextGame);
      else stepFigure(*this, event.key == Key::B ? -1 : 1);
      break;
    case Key::C:
      if (running) break;
      if (ctrl) runCommand(*this, Command::CopyToClipboard);
      else toggleTerritoryMode(*this);
      break;
    case Key::E: runCommand(*this, Command::EventList); break;
    case Key::F:
      if (ctrl) searchFromKey(*this, selectorA);
      break;
    case Key::H: runCommand(*this, Command::PreviousGame); break;
    case Key::I: runCommand(*this, Command::MusicMode); break;
    case Key::J: runCommand(*this, Command::NextGame); break;
    case Key::K: runCommand(*this, Command::ReplayMode); break;
    case Key::L: runCommand(*this, Command::PlaylistShow); break;
    case Key::M:
      if (ctrl && !running) switchLine(*this, true);
      break;
    case Key::O: runCommand(*this, ctrl ? Command::OpenGame : Command::ResumePlaylist); break;
    case Key::P: runCommand(*this, Command::Playlist); break;
    case Key::R:
      if (ctrl) chooseRangeTool(*this);
      else runCommand(*this, Command::FigureList);
      break;
    case Key::S:
      if (!ctrl) reverseColourToPlay(*this, event);
      else runCommand(*this, event.modifiers.shift ? Command::SaveAs : Command::Save);
      break;
    case Key::V:
      if (running) break;
      if (ctrl) runCommand(*this, Command::OpenFromClipboard);
      else switchLine(*this, false);
      break;
    case Key::Y:
      if (ctrl) runCommand(*this, Command::Redo);
      break;
    case Key::Z:
      if (ctrl) runCommand(*this, Command::Undo);
      break;
    case Key::F1: togglePanelHidden(*this); break;
    case Key::F11: toggleFullScreen(*this); break;
    case Key::Left:
    case Key::Right:
    case Key::Up:
    case Key::Down:
      if (!searchBrowseKey(*this, event.key)) arrowFromListWindow(*this, event.key, selectorA);
      break;
    default: break;
  }
}

}  // namespace mokuza::app
