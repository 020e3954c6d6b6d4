#include <QImageReader>

#include "render/image_export.h"
#include "render_test_support.h"

namespace mokuza::render::test {
namespace {

QImage readBack(const fs::path& path) { return QImageReader(QString::fromStdString(path.string())).read(); }

class ExportTest : public PictureTest {
 protected:
  std::vector<fs::path> exportAs(int choice) {
    ExportCut cut;
    cut.choice = choice;
    cut.clientWidth = 640;
    cut.clientHeight = 480;
    const int n = g.boardSize;
    cut.stones.assign(doc.shownPosition.boardGrid.stones.begin(), doc.shownPosition.boardGrid.stones.begin() + n * n);
    return ExportBoardImage(cut, painter.picture(), g, design, folder, folder).written;
  }
};

TEST_F(ExportTest, BoardAtPitch31Is589Square) {
  load(u"(;SZ[19];B[pd];W[dp])");
  design.intFields[u"碁盤サイズ指定"] = 31;
  paint();
  ASSERT_EQ(exportAs(kOutputBoard), std::vector<fs::path>{folder / "output.jpg"});
  const QImage image = readBack(folder / "output.jpg");
  EXPECT_EQ(image.size(), QSize(589, 589));
  EXPECT_LT(brightness(image.pixel(15 * 31 + 15, 3 * 31 + 15)), 80);  // the black stone at pd
  fs::remove(folder / "output.jpg");
  EXPECT_TRUE(exportAs(kOutputNone).empty());
  EXPECT_FALSE(fs::exists(folder / "output.jpg"));
}

TEST_F(ExportTest, StonesAsRoundPngs) {
  load(u"(;SZ[9];B[cc])");
  paint();
  const auto written = exportAs(kOutputStonesCurrent);
  ASSERT_EQ(written.size(), 2u);
  const QImage black = readBack(folder / "c_blackmarble01.png");
  EXPECT_EQ(black.size(), QSize(g.pitch, g.pitch));
  EXPECT_EQ(qAlpha(black.pixel(0, 0)), 0);
  EXPECT_EQ(qAlpha(black.pixel(g.halfPitch, g.halfPitch)), 255);
  fs::remove(folder / "gra" / "stone" / "whitemarble01.jpg");
  EXPECT_EQ(exportAs(kOutputStonesSource).size(), 1u);  // an unreadable image writes nothing
}

}  // namespace
}  // namespace mokuza::render::test
