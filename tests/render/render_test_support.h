#pragma once
// A private program folder with small plain design images, a document loaded
// from SGF text, and one composed picture of it.

#include <gtest/gtest.h>
#include <unistd.h>

#include <QColor>
#include <QImage>
#include <filesystem>
#include <memory>
#include <string>

#include "core/document/game_files.h"
#include "core/document/navigation.h"
#include "playlist/design_fields.h"
#include "render/board_painter.h"
#include "render/geometry_inputs.h"
#include "tests/test_folder.h"

namespace mokuza::render::test {

namespace fs = std::filesystem;

inline const QColor kBlackStone(25, 25, 25);
inline const QColor kWhiteStone(235, 235, 235);
inline const QColor kBoard(200, 160, 90);
inline const QColor kStar(0, 0, 160);

inline int brightness(QRgb c) { return (qRed(c) + qGreen(c) + qBlue(c)) / 3; }

class PictureTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = mokuza::test::freshTestFolder("mokuza-render");
    fs::create_directories(folder / "gra" / "stone");
    fs::create_directories(folder / "gra" / "goban");
    fs::create_directories(folder / "gra" / "back");
    writeImage("gra/stone/blackmarble01.jpg", kBlackStone);
    writeImage("gra/stone/whitemarble01.jpg", kWhiteStone);
    writeImage("gra/stone/lapislazuli01.jpg", kStar);
    writeImage("gra/goban/goban.jpg", kBoard);
    writeImage("gra/back/mtfuji_1603.jpg", QColor(90, 140, 60), 64, 48);
    design = makeInitialDesign();
    design.intFields[u"背景画像表示"] = 0;
  }
  void TearDown() override { fs::remove_all(folder); }

  void writeImage(const std::string& name, const QColor& colour, int w = 40, int h = 40) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    ASSERT_TRUE(image.save(QString::fromStdString((folder / name).string())));
  }

  void load(std::u16string_view sgf) {
    ReadOptions options;
    ASSERT_EQ(loadRecordText(doc, sgf, options), kReadOk);
    showMove(doc, lastShowableMove(doc));
  }

  // Paints a 640 x 480 client area without the side panel.
  const QImage& paint() {
    state.doc = &doc;
    state.design = &design;
    state.programFolder = folder;
    state.panelShown = false;
    state.panelWidth = 0;
    WindowLayout window{640, 480, 0, 0, 1};
    g = ComputeBoardGeometry(designGeometryInputs(design, doc.record().boardSize, window));
    return painter.Repaint(state, g, QSize(640, 480));
  }

  // The centre pixel of a cell, and a pixel a quarter pitch off it (off the grid).
  QRgb centre(int column, int row) const {
    return painter.picture().pixel(g.boardLeft + column * g.pitch + g.halfPitch,
                                   g.boardTop + row * g.pitch + g.halfPitch);
  }
  QRgb offCentre(const QImage& image, int column, int row, int left = 0, int top = 0) const {
    return image.pixel(left + column * g.pitch + g.halfPitch + g.pitch / 4,
                       top + row * g.pitch + g.halfPitch + g.pitch / 4);
  }
  // Pixels of an area that pass test(pixel, x, y).
  template <class Test>
  static int countPixels(const QImage& image, const QRect& area, Test test) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
      for (int x = area.left(); x <= area.right(); ++x) count += test(image.pixel(x, y), x, y);
    return count;
  }
  QRect cell(int column, int row) const { return QRect(column * g.pitch, row * g.pitch, g.pitch, g.pitch); }
  // Pixels of a cell of the painted board that differ from the clean board.
  int changedPixels(int column, int row) const {
    return countPixels(painter.board(), cell(column, row), [&](QRgb a, int x, int y) {
      return std::abs(brightness(a) - brightness(painter.cleanBoard().pixel(x, y))) > 40;
    });
  }
  // Light pixels of a cell of the painted board.
  int lightPixels(int column, int row) const {
    return countPixels(painter.board(), cell(column, row), [](QRgb c, int, int) { return brightness(c) > 150; });
  }

  fs::path folder;
  Document doc;
  Design design;
  RenderState state;
  BoardGeometry g;
  BoardPainter painter;
};

}  // namespace mokuza::render::test
