// Painting the board: a full repaint of a 1920 x 1080 window at move 100 of a
// professional game with every move numbered (images already read), and one
// fade frame of three changing cells; and the repaint that follows a rebuild.
//   build/bin/mokuza_bench --benchmark_filter=Render

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QImage>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "core/document/game_files.h"
#include "core/document/navigation.h"
#include "core/record/text.h"
#include "playlist/design_fields.h"
#include "render/board_painter.h"
#include "render/fade_frames.h"
#include "render/geometry_inputs.h"
#include "render/offscreen_qt.h"
#include "render/point_painter.h"

namespace {

using namespace mokuza;
namespace fs = std::filesystem;

// A Qt application, a program folder with design images of usual sizes and a
// game shown at move 100.
struct RenderSetup {
  render::OffscreenQt qt;
  fs::path folder = fs::temp_directory_path() / ("mokuza-render-bench-" + std::to_string(::getpid()));
  Document doc;
  Design design = makeInitialDesign();
  render::RenderState state;
  render::BoardGeometry geometry;
  bool loaded = false;

  RenderSetup() {
    writeImage("gra/stone/blackmarble01.jpg", QColor(30, 30, 30), 200, 200);
    writeImage("gra/stone/whitemarble01.jpg", QColor(230, 230, 225), 200, 200);
    writeImage("gra/stone/lapislazuli01.jpg", QColor(30, 60, 160), 100, 100);
    writeImage("gra/goban/goban.jpg", QColor(220, 180, 110), 600, 600);
    writeImage("gra/back/mtfuji_1603.jpg", QColor(150, 190, 230), 1600, 900);
    const fs::path game = fs::path(MOKUZA_CORPUS_DIR) / "pro" / "aeb" / "Tri" / "01_16.sgf";
    if (auto bytes = readFileBytes(game)) {
      ReadOptions options;
      loaded = loadRecordText(doc, decodeBytes(*bytes, TextKind::GameRecord), options) == kReadOk;
    }
    showMove(doc, 100);
    design.intFields[u"手数表示"] = 2;
    state.doc = &doc;
    state.design = &design;
    state.programFolder = folder;
    state.panelWidth = render::panelWidth(3);
    const render::WindowLayout window{1920, 1080, state.panelWidth, 0, 1};
    geometry = render::ComputeBoardGeometry(render::designGeometryInputs(design, doc.record().boardSize, window));
  }
  ~RenderSetup() { fs::remove_all(folder); }

  void writeImage(const std::string& name, const QColor& colour, int w, int h) {
    fs::create_directories((folder / name).parent_path());
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    image.save(QString::fromStdString((folder / name).string()));
  }
};

void RenderFullRepaint(benchmark::State& st) {
  RenderSetup setup;
  if (!setup.loaded) st.SkipWithError("corpus not found");
  render::BoardPainter painter;
  painter.Repaint(setup.state, setup.geometry, QSize(1920, 1080));
  for (auto _ : st) benchmark::DoNotOptimize(painter.Repaint(setup.state, setup.geometry, QSize(1920, 1080)).bits());
  st.counters["pitch"] = setup.geometry.pitch;
}
BENCHMARK(RenderFullRepaint)->Unit(benchmark::kMillisecond);

// The first repaint after a layout or design change: images read again,
// stones, board and texts made anew.
void RenderRebuildRepaint(benchmark::State& st) {
  RenderSetup setup;
  if (!setup.loaded) st.SkipWithError("corpus not found");
  render::BoardPainter painter;
  for (auto _ : st) {
    painter.rebuildImages();
    benchmark::DoNotOptimize(painter.Repaint(setup.state, setup.geometry, QSize(1920, 1080)).bits());
  }
}
BENCHMARK(RenderRebuildRepaint)->Unit(benchmark::kMillisecond);

// One fade frame of three cells: the first of the fades, which makes the
// cells and their bases (argument 0), or one in their middle (argument 1).
void RenderFadeFrame(benchmark::State& st) {
  RenderSetup setup;
  if (!setup.loaded) st.SkipWithError("corpus not found");
  render::BoardPainter painter;
  QImage window = painter.Repaint(setup.state, setup.geometry, QSize(1920, 1080)).copy();
  render::PointPainter points(setup.state, setup.geometry, painter.stones(), painter.pointCaches());
  const render::FadeTimes times{100000, 100000, 100000, 10};
  const bool middle = st.range(0) == 1;
  render::FadeQueues queues;
  for (auto _ : st) {
    if (!middle || queues.empty()) {
      st.PauseTiming();
      queues.clear();
      for (int point : {60, 61, 62}) queues.add(point, render::kFadeMoveIn, times);
      if (middle) render::fadeFrame(queues, window, painter.cleanBoard(), points, setup.geometry);
      st.ResumeTiming();
    }
    render::fadeFrame(queues, window, painter.cleanBoard(), points, setup.geometry);
  }
}
BENCHMARK(RenderFadeFrame)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
