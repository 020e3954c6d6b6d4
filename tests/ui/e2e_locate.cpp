// ui_e2e_locate GAME.sgf WIDTH HEIGHT: for the end-to-end test, lays out a
// main window of that size off screen, as the real program does on a fresh
// program folder, and prints the game's move count, the window position of
// the centre of an empty point at the last move, and that point in SGF
// letters: "MOVES X Y xy". Exits 3 for a game that does not read whole
// (saving over it would ask first) or has no such point.

#include <QApplication>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>

#include "core/document/navigation.h"
#include "platform/headless/headless_services.h"
#include "ui/board_view.h"
#include "ui/main_window.h"

namespace fs = std::filesystem;
using namespace mokuza;

namespace {

// The empty point nearest the centre whose neighbours are empty too, so the
// move is legal whatever the colour; -1 when there is none.
int quietEmptyPoint(const Document& doc) {
  const int n = doc.record().boardSize;
  const auto& stones = doc.shownPosition.boardGrid.stones;
  const auto empty = [&](int x, int y) {
    return x < 0 || y < 0 || x >= n || y >= n || stones[RecordPoint{x + y * n}] == 0;
  };
  int best = -1, bestDistance = n * n * 4;
  for (int y = 0; y < n; ++y)
    for (int x = 0; x < n; ++x) {
      if (!empty(x, y) || !empty(x - 1, y) || !empty(x + 1, y) || !empty(x, y - 1) || !empty(x, y + 1)) continue;
      const int distance = (2 * x - n + 1) * (2 * x - n + 1) + (2 * y - n + 1) * (2 * y - n + 1);
      if (distance < bestDistance) best = x + y * n, bestDistance = distance;
    }
  return best;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: ui_e2e_locate GAME.sgf WIDTH HEIGHT\n";
    return 2;
  }
  QApplication qt(argc, argv);
  const fs::path folder =
      fs::temp_directory_path() / ("mokuza-e2e-locate-" + std::to_string(QCoreApplication::applicationPid()));
  fs::create_directories(folder);
  const fs::path assets = MOKUZA_ASSET_DIR;
  fs::copy(assets / "gra", folder / "gra", fs::copy_options::recursive);
  int status = 0;
  {
    platform::HeadlessServices services;
    ui::MainWindow window(services, folder);
    window.start({fs::path(argv[1]).u16string()});
    window.resize(std::stoi(argv[2]), std::stoi(argv[3]));
    QCoreApplication::processEvents();
    app::Application& app = window.application();
    showMove(app.doc, app.doc.moveCount());
    const int point = quietEmptyPoint(app.doc);
    status = 3;
    if (point >= 0 && !app.doc.state.readLoss.any()) {
      const render::BoardGeometry& g = app.layout.geometry;
      const int n = g.boardSize;
      const double ratio = window.boardView().devicePixelRatioF();
      const QPoint centre((g.boardLeft + point % n * g.pitch + g.halfPitch) / ratio,
                          (g.boardTop + point / n * g.pitch + g.halfPitch) / ratio);
      const QPoint at = window.boardView().mapTo(&window, centre);
      std::printf("%d %d %d %c%c\n", app.doc.moveCount(), at.x(), at.y(), 'a' + point % n, 'a' + point / n);
      status = 0;
    }
  }
  fs::remove_all(folder);
  return status;
}
