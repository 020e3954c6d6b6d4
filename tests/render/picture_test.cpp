#include <QPainter>

#include "render/board_surfaces.h"
#include "render/design_images.h"
#include "render/fade_frames.h"
#include "render/overlays.h"
#include "render/point_painter.h"
#include "render_test_support.h"

namespace mokuza::render::test {
namespace {

// Black cc, white gg, black ce (the current move); a label and a triangle at move 3.
constexpr std::u16string_view kGame = u"(;SZ[9];B[cc];W[gg];B[ce]LB[ee:A]TR[gc])";

TEST_F(PictureTest, StonesStandOnTheirCellsAndNothingLiesOutsideTheBoard) {
  load(kGame);
  const QImage& picture = paint();
  EXPECT_LT(brightness(centre(2, 2)), 60);
  EXPECT_GT(brightness(centre(6, 6)), 200);
  EXPECT_TRUE(painter.designImages().missing.empty());
  // An empty cell off the grid shows the board image.
  EXPECT_NEAR(qRed(offCentre(picture, 4, 1, g.boardLeft, g.boardTop)), kBoard.red(), 8);
  const QRect board(g.boardLeft, g.boardTop, g.extent, g.extent);
  EXPECT_EQ(countPixels(picture, picture.rect(),
                        [&](QRgb c, int x, int y) { return !board.contains(x, y) && c != kClientBackground.rgb(); }),
            0);
}

// The disc with the option on is OnlyThePlayedStoneCarriesTheLastMoveMarks's.
TEST_F(PictureTest, LastMoveSquareAndFrameRingFollowTheirOptions) {
  load(kGame);
  design.intFields[u"最終手-■印"] = 0;
  design.intFields[u"最終手-○枠"] = 0;
  paint();
  EXPECT_LT(brightness(centre(2, 4)), 60);
  const QImage plain = painter.board();
  // Pixels of a cell that the ring changed, and whether they turned lighter.
  const auto ringPixels = [&](int column, int row, bool lighter) {
    return countPixels(painter.board(), cell(column, row), [&](QRgb c, int x, int y) {
      const int before = brightness(plain.pixel(x, y)), after = brightness(c);
      return lighter ? after > before + 40 : after < before - 40;
    });
  };
  design.intFields[u"最終手-○枠"] = 4;
  paint();
  EXPECT_GT(ringPixels(2, 2, true), g.pitch);   // cut from the white stone
  EXPECT_GT(ringPixels(6, 6, false), g.pitch);  // cut from the black stone
}

TEST_F(PictureTest, OnlyThePlayedStoneCarriesTheLastMoveMarksAndACircleIsARing) {
  // The current move's node also sets up a black and a white stone and circles an empty point.
  load(u"(;SZ[9];B[cc];W[gg];B[ce]AB[ee]AW[ge]CR[ac])");
  design.intFields[u"最終手-■印"] = 3;
  design.intFields[u"最終手-○枠"] = 3;
  paint();
  EXPECT_GT(brightness(centre(2, 4)), 180);  // the white disc on the move played
  EXPECT_LT(brightness(centre(4, 4)), 60);   // none on the setup stones
  // No ring round the white setup stone: it looks like the unmarked white stone of move 2.
  const auto dark = [&](int column, int row) {
    return countPixels(painter.board(), cell(column, row), [](QRgb c, int, int) { return brightness(c) < 80; });
  };
  EXPECT_NEAR(dark(6, 4), dark(6, 6), g.pitch);
  // The circle's middle (off the grid lines) shows the board, and its ring is drawn.
  const QRgb middle = painter.board().pixel(g.halfPitch + g.pitch / 8, 2 * g.pitch + g.halfPitch + g.pitch / 8);
  EXPECT_NEAR(qRed(middle), kBoard.red(), 30);
  EXPECT_GT(changedPixels(0, 2), g.pitch);
}

TEST_F(PictureTest, PointsOfTheNextMovesBranchesAreLettered) {
  // After B cc the game branches: W gg, W gc (marked with a triangle, which wins) and W cg.
  load(u"(;SZ[9];B[cc]TR[gc](;W[gg])(;W[gc])(;W[cg]))");
  showMove(doc, 1);
  design.intFields[u"最終手-■印"] = 0;
  paint();
  const int triangle = changedPixels(6, 2);
  EXPECT_GT(changedPixels(6, 6), g.pitch);
  EXPECT_GT(changedPixels(2, 6), g.pitch);
  state.variationMarks = false;
  paint();
  EXPECT_EQ(changedPixels(6, 6) + changedPixels(2, 6), 0);
  EXPECT_EQ(changedPixels(6, 2), triangle);
  // One way on marks nothing.
  state.variationMarks = true;
  showMove(doc, 2);
  paint();
  EXPECT_EQ(changedPixels(2, 6), 0);
}

TEST_F(PictureTest, MarksNumbersAndCoordinatesAreDrawnWhereTheyBelong) {
  load(kGame);
  design.intFields[u"最終手-■印"] = 0;
  design.intFields[u"碁盤サイズ指定"] = 31;
  design.intFields[u"碁盤座標"] = 0;
  paint();
  EXPECT_GT(changedPixels(4, 4), 10);  // label "A" on an empty point
  EXPECT_GT(changedPixels(6, 2), 10);  // triangle
  EXPECT_EQ(changedPixels(4, 1), 0);
  const int withoutNumber = lightPixels(2, 2);
  design.intFields[u"手数表示"] = 2;
  paint();
  EXPECT_GT(lightPixels(2, 2), withoutNumber + 5);  // "1" in light text on the black stone
  // A change fade turns marks off but keeps the number: without marks it is the full point.
  const auto drawn = [&](int kind) {
    QImage cellImage(g.pitch, g.pitch, QImage::Format_ARGB32_Premultiplied);
    cellImage.fill(Qt::transparent);
    QPainter cellPainter(&cellImage);
    PointPainter(state, g, painter.stones(), painter.pointCaches()).PaintPoint(cellPainter, 2 + 2 * 9, kind);
    return cellImage;
  };
  EXPECT_EQ(drawn(kPointChange), drawn(kPointFull));
  const auto darkLeftAndBelow = [&] {
    const auto dark = [](QRgb c, int, int) { return brightness(c) < 100; };
    return countPixels(painter.picture(), QRect(g.boardLeft - g.pitch, g.boardTop, g.pitch, g.extent), dark) +
           countPixels(painter.picture(), QRect(g.boardLeft, g.boardTop + g.extent, g.extent, g.pitch), dark);
  };
  EXPECT_EQ(darkLeftAndBelow(), 0);
  for (int style : {1, 2, 3}) {
    design.intFields[u"碁盤座標"] = style;
    paint();
    EXPECT_GT(darkLeftAndBelow(), 50) << style;
  }
}

// The move names under the board lie on a light plate over a dark picture.
TEST_F(PictureTest, MoveNamesStayLegibleOverTheBackgroundPicture) {
  writeImage("gra/back/mtfuji_1603.jpg", QColor(40, 70, 30), 64, 48);
  design.intFields[u"背景画像表示"] = 1;
  doc.globalOptions[GlobalOption::MoveInfo] = 1;
  design.intFields[u"碁盤サイズ指定"] = 21;
  load(kGame);
  paint();
  const int rowHeight = g.infoWidth / 42;
  const QRect firstRow(g.infoLeft, g.infoTop, g.extent, rowHeight);
  EXPECT_GT(countPixels(painter.picture(), firstRow, [](QRgb c, int, int) { return brightness(c) > 170; }),
            firstRow.width() * rowHeight / 10);
}

// In replay mode only the moves of the figure shown carry numbers.
TEST_F(PictureTest, ReplayModeNumbersOnlyTheFigureShown) {
  load(u"(;SZ[9];B[cc];W[gg];B[ce];W[ge])");
  doc.state.options[DocumentOption::ReplayMode] = 1;
  design.intFields[u"最終手-■印"] = 0;
  design.intFields[u"最終手-○枠"] = 0;
  state.figureStart = 2;  // the figure of moves 3 and 4
  paint();
  const QImage plain = painter.board();
  design.intFields[u"手数表示"] = 2;
  paint();
  const auto differs = [&](int column, int row) {
    return countPixels(painter.board(), cell(column, row), [&](QRgb c, int x, int y) { return c != plain.pixel(x, y); });
  };
  EXPECT_EQ(differs(6, 6), 0);  // move 2 closes the previous figure
  EXPECT_GT(differs(2, 4), 5);  // move 3
  EXPECT_GT(differs(6, 4), 5);  // move 4
}

TEST_F(PictureTest, PreviewStoneIsAQuarterOpaqueAtHalfTransparency) {
  load(u"(;SZ[9];B[cc];W[gg])");
  design.intFields[u"黒石透明度"] = 128;
  state.hoverPoint = 4 + 4 * 9;
  paint();
  const int board = qRed(offCentre(painter.cleanBoard(), 4, 4));
  const int expected = (board * 3 + kBlackStone.red()) / 4;
  EXPECT_NEAR(qRed(offCentre(painter.board(), 4, 4)), expected, 8);
  state.shiftHeld = true;
  paint();
  EXPECT_EQ(qRed(offCentre(painter.board(), 4, 4)), board);
}

TEST_F(PictureTest, MissingImagesAreDrawnPlainlyAndListed) {
  fs::remove_all(folder / "gra");
  load(kGame);
  design.intFields[u"背景画像表示"] = 1;
  paint();
  EXPECT_EQ(painter.designImages().missing.size(), 5u);
  EXPECT_LT(brightness(centre(2, 2)), 80);
  EXPECT_GT(brightness(centre(6, 6)), 180);
  EXPECT_EQ(offCentre(painter.picture(), 4, 1, g.boardLeft, g.boardTop), kPlainBoardColour.rgb());
}

// A flat image of any size and format, under a file name that need not say the format.
void writeFlatImage(const fs::path& file, int w, int h, QImage::Format format, const char* type) {
  QImage image(w, h, format);
  image.fill(Qt::darkGreen);
  ASSERT_TRUE(image.save(QString::fromStdString(file.string()), type));
}

// Each design image is kept at the smallest size, in its own proportions,
// that covers the box it is drawn into: not the thousands of pixels of its file.
TEST_F(PictureTest, DesignImagesAreKeptNoLargerThanTheyAreDrawn) {
  writeFlatImage(folder / "gra/goban/goban.jpg", 1500, 1000, QImage::Format_RGB32, "PNG");
  writeFlatImage(folder / "gra/stone/blackmarble01.jpg", 600, 600, QImage::Format_RGB32, "JPEG");
  writeFlatImage(folder / "gra/back/mtfuji_1603.jpg", 1600, 800, QImage::Format_RGB32, "PNG");
  writeFlatImage(folder / "gra/stone/lapislazuli01.jpg", 1000, 1000, QImage::Format_RGB32, "PNG");
  design.intFields[u"背景画像表示"] = 1;
  design.intFields[u"マス目の色"] = 2;  // the star image drawn over the whole board
  load(kGame);
  paint();
  const DesignImages& images = painter.designImages();
  EXPECT_TRUE(images.missing.empty());
  const int board = g.extent + 2;
  EXPECT_EQ(images.board.size(), QSize((3 * board + 1) / 2, board));
  EXPECT_EQ(images.black.size(), QSize(g.pitch, g.pitch));
  EXPECT_EQ(images.star.size(), QSize(g.extent, g.extent));
  EXPECT_EQ(images.background.size(), QSize(960, 480));  // covers 640 x 480
  EXPECT_EQ(images.white.size(), QSize(40, 40));         // never scaled up
}

// An icon file is read at the size of its icon, a JPEG scaled as it is
// decoded. One whose whole decoding would pass the budget is refused and
// drawn as a plain key, however small its pixels are in the file.
TEST_F(PictureTest, IconsAreReadAtTheirSizeAndOneTooLargeToDecodeIsDrawnPlainly) {
  const fs::path icons = folder / "gra" / "command";
  fs::create_directories(icons);
  writeFlatImage(icons / "Mmodo.jpg", 3000, 3000, QImage::Format_RGB32, "PNG");
  writeFlatImage(icons / "Mhenka.jpg", 4200, 3200, QImage::Format_Grayscale8, "JPEG");
  writeFlatImage(icons / "Mhonpu.jpg", 4200, 3200, QImage::Format_Grayscale8, "PNG");
  load(kGame);
  paint();
  state.panelShown = true;
  state.panelWidth = panelWidth(textScale(state));
  QImage strip(1200, 200, QImage::Format_ARGB32_Premultiplied);
  strip.fill(Qt::white);
  IconImages read;
  {
    QPainter on(&strip);
    paintIconStrip(on, state, strip.width(), read);
  }
  const std::size_t modo = 8, henka = 10, honpu = 11;
  const int side = iconRect(state, modo, strip.width()).width();
  const auto readAs = [&](const char* name) { return read[std::pair{icons / name, side}]; };
  EXPECT_EQ(readAs("Mmodo.jpg").size(), QSize(side, side));
  EXPECT_EQ(readAs("Mhenka.jpg").size(), QSize((4200 * side + 3199) / 3200, side));
  EXPECT_TRUE(readAs("Mhonpu.jpg").isNull());
  const QPoint plain = iconRect(state, honpu, strip.width()).center();
  EXPECT_EQ(QColor(strip.pixel(plain)), QColor(225, 228, 235));
  EXPECT_NEAR(qGreen(strip.pixel(iconRect(state, henka, strip.width()).center())), qGray(QColor(Qt::darkGreen).rgb()), 4);
}

TEST_F(PictureTest, TerritoryAndSelectionTintCells) {
  load(
      u"(;SZ[9];B[ca];W[da];B[cb];W[db];B[cc];W[dc];B[cd];W[dd];B[ce];W[de];B[cf];W[df];B[cg];W[dg];B[ch];W[dh];B[ci];"
      u"W[di])");
  CountingState counting;
  ToggleCountingMode(counting, doc.board);
  state.counting = &counting;
  paint();
  const int boardRed = qRed(offCentre(painter.cleanBoard(), 0, 0));
  EXPECT_LT(qRed(offCentre(painter.board(), 0, 0)), boardRed - 20);  // black area, darker
  EXPECT_GT(qBlue(offCentre(painter.board(), 8, 0)),
            qBlue(offCentre(painter.cleanBoard(), 8, 0)) + 20);  // white, lighter
}

TEST_F(PictureTest, SearchResultShowsCandidatesAndMatchedStones) {
  load(u"(;SZ[9];B[cc];W[gg])");
  design.intFields[u"碁盤サイズ指定"] = 31;
  design.intFields[u"最終手-■印"] = 0;
  SearchDisplay search;
  search.shown = true;
  search.matchedPoints = {2 + 2 * 9};
  search.candidates[0] = 4 + 4 * 9;
  state.search = &search;
  state.inputMode = kInputRange;
  paint();
  EXPECT_GT(changedPixels(4, 4), 10);  // a faint candidate stone lettered "Ａ"
  const int withCircle = lightPixels(2, 2);
  state.search = nullptr;
  paint();
  EXPECT_EQ(changedPixels(4, 4), 0);
  EXPECT_GT(withCircle, lightPixels(2, 2) + 5);  // "○" in light text on the matched black stone
}

TEST_F(PictureTest, FadeFramesBlendFromTheCellBeforeTheFade) {
  load(kGame);
  paint();
  QImage window = painter.picture().copy();
  const QRect cell(g.boardLeft + 6 * g.pitch, g.boardTop + 6 * g.pitch, g.pitch, g.pitch);
  {
    QPainter clear(&window);
    clear.drawImage(cell.topLeft(), painter.cleanBoard(), QRect(6 * g.pitch, 6 * g.pitch, g.pitch, g.pitch));
  }
  const auto blue = [&] { return qBlue(offCentre(window, 6, 6, g.boardLeft, g.boardTop)); };
  const int empty = blue(), stone = qBlue(offCentre(painter.picture(), 6, 6, g.boardLeft, g.boardTop));
  ASSERT_GT(stone - empty, 100);
  PointPainter points(state, g, painter.stones(), painter.pointCaches());
  FadeQueues queues;
  // The white stone of gg fades in over 10 frames, a tenth more opaque each.
  queues.add(6 + 6 * 9, kFadeMoveIn, FadeTimes{100, 100, 100, 10});
  for (int frame = 1; frame <= 10; ++frame) {
    EXPECT_EQ(fadeFrame(queues, window, painter.cleanBoard(), points, g), frame < 10);
    EXPECT_NEAR((blue() - empty) / double(stone - empty), frame / 10.0, 0.02) << "frame " << frame;
  }
  EXPECT_EQ(window.copy(cell), painter.picture().copy(cell));
}

TEST_F(PictureTest, CrossFadeEndsAtTheNewPicture) {
  load(kGame);
  const QImage picture = paint();
  QImage window(picture.size(), picture.format());
  window.fill(Qt::black);
  int counter = 255, steps = 0;
  while (counter > 0) {
    counter = crossFadeStep(window, picture, counter);
    ++steps;
  }
  EXPECT_EQ(steps, 51);
  crossFadeStep(window, picture, counter);
  EXPECT_EQ(window, picture);
}

}  // namespace
}  // namespace mokuza::render::test
