// The desktop program's responsiveness on a 1920 × 1080 off-screen screen:
// start-up to the first painted window with a 10,000-game playlist restored;
// one step (a key event in, the picture painted), also with the list window
// shown and while a search runs on every core; the period of the one timer
// while a show runs at update_time 10 with fades on every tick.
//   build/bin/mokuza_ui_bench

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

#include "app/command_table.h"
#include "app/commands.h"
#include "app/search_session.h"
#include "core/document/design_fields.h"
#include "core/record/text.h"
#include "platform/headless/headless_services.h"
#include "playlist/design_fields.h"
#include "playlist/list_games.h"
#include "playlist/playlist_writer.h"
#include "tests/corpus_files.h"
#include "ui/board_view.h"
#include "ui/main_window.h"

namespace {

using namespace mokuza;
namespace fs = std::filesystem;

constexpr int kGames = 10000;
constexpr int kTicks = 1000;

// A program folder with the default images and, as the last run left it, a
// playlist of 10,000 corpus games (the corpus repeated) in the default file.
struct ProgramFolder {
  fs::path folder = fs::temp_directory_path() / ("mokuza-ui-bench-" + std::to_string(::getpid()));
  std::vector<fs::path> games = test::corpusGames();

  ProgramFolder() {
    fs::create_directories(folder / "playlists");
    fs::copy(fs::path(MOKUZA_ASSET_DIR) / "gra", folder / "gra", fs::copy_options::recursive);
    if (games.empty()) return;
    Playlist playlist;
    playlist.path = pathToText(folder / "playlists" / "default.gpl");
    playlist.folder = pathToText(folder / "playlists") + u"/";
    const Design design = makeInitialDesign();
    for (int k = 0; k < kGames; ++k) {
      const std::u16string path = pathToText(games[static_cast<std::size_t>(k) % games.size()]);
      const int record = addGameNumbered(playlist, design, path, u"20241205120000", k + 1);
      readGameInformation(path, playlist.entries[static_cast<std::size_t>(record)]);
    }
    playlist.currentGameIndex = 1;
    WritePlaylist(playlist, {folder, 0});
  }
  ~ProgramFolder() {
    std::error_code ec;
    fs::remove_all(folder, ec);
  }
  ProgramFolder(const ProgramFolder&) = delete;
  ProgramFolder& operator=(const ProgramFolder&) = delete;
};

// Handles events until the board view painted.
void untilPainted(ui::BoardView& board) {
  bool painted = false;
  board.afterNextPaint([&painted] { painted = true; });
  while (!painted) QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

void StartupToFirstPaint(benchmark::State& state, const ProgramFolder* program) {
  for (auto _ : state) {
    platform::HeadlessServices services;
    auto window = std::make_unique<ui::MainWindow>(services, program->folder);
    bool painted = false;
    window->boardView().afterNextPaint([&painted] { painted = true; });
    window->start({});
    while (!painted) QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    state.counters["games"] = static_cast<double>(window->application().playlist.displayOrder.size());
    state.PauseTiming();
    window.reset();
    QCoreApplication::processEvents();
    state.ResumeTiming();
  }
}

// A window at move 100 of a professional game.
std::unique_ptr<ui::MainWindow> openAtMove100(platform::Services& services, const ProgramFolder& program) {
  auto window = std::make_unique<ui::MainWindow>(services, program.folder);
  window->start({pathToText(program.games.front())});
  if (!QTest::qWaitForWindowActive(window.get())) std::fprintf(stderr, "mokuza_ui_bench: the window is not active\n");
  window->boardView().setFocus();
  for (int k = 0; k < 100; ++k) window->application().onKeyDown({app::Key::Right, {}, false});
  untilPainted(window->boardView());
  return window;
}

// With the list window shown, its 10,000 rows stand beside every step.
void StepKeyToPicture(benchmark::State& state, const ProgramFolder* program, bool listShown) {
  platform::HeadlessServices services;
  const auto window = openAtMove100(services, *program);
  if (listShown) app::toggleListWindow(window->application(), app::ListTab::Playlist);
  ui::BoardView& board = window->boardView();
  board.activateWindow();
  board.setFocus();
  bool forward = true;
  for (auto _ : state) {
    QKeyEvent press(QEvent::KeyPress, forward ? Qt::Key_Right : Qt::Key_Left, Qt::NoModifier);
    QKeyEvent release(QEvent::KeyRelease, forward ? Qt::Key_Right : Qt::Key_Left, Qt::NoModifier);
    bool painted = false;
    board.afterNextPaint([&painted] { painted = true; });
    QApplication::sendEvent(&board, &press);
    QApplication::sendEvent(&board, &release);
    while (!painted) QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    forward = !forward;
  }
}

// The pointer swept over the board, a point a move, with the list window
// shown: a move costs what its refresh builds.
void PointerMoveOverBoard(benchmark::State& state, const ProgramFolder* program) {
  platform::HeadlessServices services;
  const auto window = openAtMove100(services, *program);
  app::Application& app = window->application();
  app::toggleListWindow(app, app::ListTab::Playlist);
  const render::BoardGeometry& g = app.layout.geometry;
  const int n = g.boardSize;
  int point = 0;
  for (auto _ : state) {
    point = (point + 1) % (n * n);
    app.onMouseMove({g.boardLeft + point % n * g.pitch + g.pitch / 2, g.boardTop + point / n * g.pitch + g.pitch / 2},
                    {});
  }
}

// The same step while the whole board is searched for in the 10,000 games on
// every core; a search that ends is started again with nothing cached.
void StepKeyToPictureDuringSearch(benchmark::State& state, const ProgramFolder* program) {
  platform::HeadlessServices services;
  const auto window = openAtMove100(services, *program);
  app::Application& app = window->application();
  ui::BoardView& board = window->boardView();
  bool forward = true;
  int searches = 0;
  std::vector<double> steps;  // ms from the key to the picture
  QElapsedTimer clock;
  for (auto _ : state) {
    if (!app::searchRunning(app)) {
      state.PauseTiming();
      app::leaveSearchResult(app);
      app.search.lines = std::make_shared<search::MainLineCache>();
      if (!app::startSearch(app)) state.SkipWithError("nothing to search");
      ++searches;
      state.ResumeTiming();
    }
    QKeyEvent press(QEvent::KeyPress, forward ? Qt::Key_Right : Qt::Key_Left, Qt::NoModifier);
    QKeyEvent release(QEvent::KeyRelease, forward ? Qt::Key_Right : Qt::Key_Left, Qt::NoModifier);
    bool painted = false;
    board.afterNextPaint([&painted] { painted = true; });
    clock.start();
    QApplication::sendEvent(&board, &press);
    QApplication::sendEvent(&board, &release);
    while (!painted) QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    steps.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    forward = !forward;
  }
  std::sort(steps.begin(), steps.end());
  state.counters["searches"] = searches;
  state.counters["p99_ms"] = steps.empty() ? 0 : steps[steps.size() * 99 / 100];
  state.counters["max_ms"] = steps.empty() ? 0 : steps.back();
}

// How far each of kTicks periods of 10 ms came from 10 ms, in the counters.
struct PeriodDeviations {
  std::vector<double> deviations;

  void report(benchmark::State& state) {
    std::sort(deviations.begin(), deviations.end());
    const auto within = std::count_if(deviations.begin(), deviations.end(), [](double d) { return d <= 2.0; });
    state.counters["ticks"] = static_cast<double>(deviations.size());
    state.counters["within_2ms_pct"] = deviations.empty() ? 0 : 100.0 * static_cast<double>(within) / deviations.size();
    state.counters["median_dev_ms"] = deviations.empty() ? 0 : deviations[deviations.size() / 2];
    state.counters["max_dev_ms"] = deviations.empty() ? 0 : deviations.back();
  }
};

// The show: every move fades in over the whole display time, so every tick
// draws a fade frame. Counts the ticks armed at update_time and how far each
// came from it.
void ShowTimerPeriod(benchmark::State& state, const ProgramFolder* program) {
  platform::HeadlessServices services;
  const auto window = openAtMove100(services, *program);
  app::Application& app = window->application();
  app.doc.globalOptions[GlobalOption::UpdateTime] = 10;
  setDesignValue(app.doc.state.design, DesignField::AutoSpeed, 1000);
  setDesignValue(app.doc.state.design, DesignField::MoveFadeTime, 1000);
  const QTimer* timer = window->findChild<QTimer*>("applicationTimer");
  // The design changed above: its images are rebuilt now, as after the design dialog, not in the show.
  app.repaint();
  untilPainted(window->boardView());
  for (auto _ : state) {
    PeriodDeviations periods;
    QElapsedTimer clock;
    qint64 last = -1;
    int armed = 0;
    const auto connection = QObject::connect(timer, &QTimer::timeout, [&] {
      const qint64 now = clock.nsecsElapsed();
      if (last >= 0 && armed == 10) periods.deviations.push_back(std::abs((now - last) / 1e6 - armed));
      last = now;
      armed = timer->interval();
    });
    clock.start();
    app::runCommand(app, app::Command::AutoPlay);
    while (static_cast<int>(periods.deviations.size()) < kTicks && app.playback.autoPlay.running())
      QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    app::runCommand(app, app::Command::AutoPlay);
    QObject::disconnect(connection);
    periods.report(state);
  }
}

// The floor the machine sets: the same precise timer with no work at all, so
// a late period of the show can be told from a late wake-up of the process.
void IdleTimerPeriod(benchmark::State& state) {
  for (auto _ : state) {
    PeriodDeviations periods;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    QElapsedTimer clock;
    qint64 last = -1;
    QObject::connect(&timer, &QTimer::timeout, [&] {
      const qint64 now = clock.nsecsElapsed();
      if (last >= 0) periods.deviations.push_back(std::abs((now - last) / 1e6 - 10));
      last = now;
    });
    clock.start();
    timer.start(10);
    while (static_cast<int>(periods.deviations.size()) < kTicks)
      QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    periods.report(state);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const fs::path screen = fs::temp_directory_path() / "mokuza-ui-bench-screen.json";
  std::ofstream(screen) << R"({"screens":[{"name":"S","x":0,"y":0,"width":1920,"height":1080,)"
                        << R"("logicalDpi":96,"logicalBaseDpi":96,"dpr":1}]})";
  qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + screen.string().c_str());
  QApplication qt(argc, argv);
  const ProgramFolder program;
  if (program.games.empty()) {
    std::fprintf(stderr, "mokuza_ui_bench: no corpus games under %s\n", MOKUZA_CORPUS_DIR);
    return 1;
  }
  benchmark::RegisterBenchmark("UiStartupToFirstPaint10000Games", StartupToFirstPaint, &program)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("UiStepKeyToPicture", StepKeyToPicture, &program, false)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("UiStepKeyToPictureListShown", StepKeyToPicture, &program, true)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("UiPointerMoveOverBoard", PointerMoveOverBoard, &program)
      ->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("UiStepKeyToPictureDuringSearch", StepKeyToPictureDuringSearch, &program)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("UiShowTimerPeriod1000Ticks", ShowTimerPeriod, &program)
      ->Iterations(1)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("UiIdleTimerPeriod1000Ticks", IdleTimerPeriod)
      ->Iterations(1)
      ->Unit(benchmark::kMillisecond);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
