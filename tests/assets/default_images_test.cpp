#include <gtest/gtest.h>
#include <unistd.h>
#include <QImage>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path kAssets = MOKUZA_ASSET_DIR;

const std::array<std::string, 15> kCommands = {"Lmodo", "10modo", "01modo", "01susu", "10susu",
                                               "Lsusu", "Cmodo",  "Csusu",  "modo",   "susu",
                                               "henka", "honpu",  "uwgk",   "undo",   "redo"};

struct Mean {
  double r = 0, g = 0, b = 0;
  double luminance() const { return 0.3 * r + 0.59 * g + 0.11 * b; }
  bool wood() const { return r > 170 && r > g + 15 && g > b + 25; }
};

Mean meanOf(const QImage& image, const QRect& area) {
  Mean m;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) {
      const QRgb p = image.pixel(x, y);
      m.r += qRed(p), m.g += qGreen(p), m.b += qBlue(p);
    }
  const double n = static_cast<double>(area.width()) * area.height();
  return {m.r / n, m.g / n, m.b / n};
}

// The mean of a square of `fraction` of the image's width, centred on (cx, cy) in fractions.
Mean meanOf(const QImage& image, double cx, double cy, double fraction) {
  const int side = std::max(1, static_cast<int>(image.width() * fraction));
  return meanOf(image, QRect(static_cast<int>(cx * (image.width() - side)),
                             static_cast<int>(cy * (image.height() - side)), side, side));
}

double meanPixelDifference(const QImage& a, const QImage& b) {
  double sum = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
    }
  return sum / (3.0 * a.width() * a.height());
}

std::string bytesOf(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

QImage load(const std::string& relative) {
  QImage image(QString::fromStdString((kAssets / relative).string()));
  EXPECT_FALSE(image.isNull()) << relative << " does not decode";
  return image;
}

}  // namespace

TEST(DefaultImages, StonesAreDarkOrLightDiscsOnTheBoardColour) {
  const QImage black = load("gra/stone/blackmarble01.jpg"), white = load("gra/stone/whitemarble01.jpg");
  const QImage lapis = load("gra/stone/lapislazuli01.jpg");
  for (const QImage* stone : {&black, &white, &lapis}) {
    EXPECT_EQ(stone->width(), stone->height());
    EXPECT_GE(stone->width(), 128) << "would blur on a large board";
  }
  // Below the centre, away from the highlight.
  EXPECT_LT(meanOf(black, 0.55, 0.6, 0.2).luminance(), 70);
  EXPECT_GT(meanOf(white, 0.55, 0.6, 0.2).luminance(), 185);
  for (const QImage* stone : {&black, &white})
    for (double cx : {0.0, 1.0})
      for (double cy : {0.0, 1.0}) EXPECT_TRUE(meanOf(*stone, cx, cy, 0.06).wood());
  const Mean blue = meanOf(lapis, 0.5, 0.5, 0.5);
  EXPECT_GT(blue.b, blue.r + 60);
  EXPECT_GT(blue.b, blue.g + 40);
}

TEST(DefaultImages, BoardIsWarmWoodWithGrainRunningDown) {
  const QImage board = load("gra/goban/goban.jpg");
  ASSERT_FALSE(board.isNull());
  EXPECT_EQ(board.width(), board.height());
  EXPECT_GE(board.width(), 768);
  EXPECT_TRUE(meanOf(board, board.rect()).wood());
  double across = 0, along = 0;
  for (int y = 0; y + 1 < board.height(); y += 7)
    for (int x = 0; x + 1 < board.width(); x += 7) {
      const int here = qGray(board.pixel(x, y));
      across += std::abs(qGray(board.pixel(x + 1, y)) - here);
      along += std::abs(qGray(board.pixel(x, y + 1)) - here);
    }
  EXPECT_GT(across, 1.5 * along) << "grain lines should run from top to bottom";
}

TEST(DefaultImages, BackgroundIsSkyOverMountainWithDarkShore) {
  const QImage back = load("gra/back/mtfuji_1603.jpg");
  ASSERT_FALSE(back.isNull());
  EXPECT_EQ(back.width() * 9, back.height() * 16);
  EXPECT_GE(back.width(), 1280);
  const Mean sky = meanOf(back, QRect(0, 0, back.width(), back.height() / 20));
  EXPECT_GT(sky.b, sky.r + 40);
  int brightestSummit = 0;
  for (int y = back.height() / 5; y < back.height() / 3; ++y)
    brightestSummit = std::max(brightestSummit, qGray(back.pixel(back.width() / 2, y)));
  EXPECT_GT(brightestSummit, 220) << "snow on the summit";
  EXPECT_LT(meanOf(back, 0.0, 1.0, 0.05).luminance(), 70);
}

TEST(DefaultImages, EveryCommandIconExistsAndTellsItsCommandAndStateApart) {
  for (const char* pressed : {"", "_N"})
    for (char state : {'M', 'F', 'H'}) {
      std::vector<QImage> icons;
      for (const std::string& name : kCommands) {
        icons.push_back(load(std::string("gra/command/") + state + name + pressed + ".jpg"));
        ASSERT_EQ(icons.back().size(), QSize(80, 80)) << name;
      }
      for (std::size_t i = 0; i < icons.size(); ++i)
        for (std::size_t j = i + 1; j < icons.size(); ++j)
          EXPECT_GT(meanPixelDifference(icons[i], icons[j]), 2.0)
              << state << kCommands[i] << " and " << kCommands[j] << pressed;
    }
  const auto icon = [](const std::string& name) { return load("gra/command/" + name + ".jpg"); };
  for (const std::string& name : kCommands) {
    EXPECT_GT(meanPixelDifference(icon("M" + name), icon("H" + name)), 3.0) << name;
    EXPECT_GT(meanPixelDifference(icon("F" + name), icon("H" + name)), 3.0) << name;
    EXPECT_GT(meanPixelDifference(icon("M" + name), icon("M" + name + "_N")), 3.0) << name;
  }
}

TEST(DefaultImages, GeneratorPaintsTheSameBytesEveryRun) {
  const fs::path again = fs::temp_directory_path() / ("mokuza-assets-" + std::to_string(::getpid()));
  fs::remove_all(again);
  const std::string command = std::string("\"") + MOKUZA_ASSET_GENERATOR + "\" \"" + again.string() + "\"";
  ASSERT_EQ(std::system(command.c_str()), 0);
  std::set<fs::path> written;
  for (const auto& entry : fs::recursive_directory_iterator(again)) {
    if (!entry.is_regular_file()) continue;
    const fs::path relative = entry.path().lexically_relative(again);
    written.insert(relative);
    EXPECT_TRUE(bytesOf(entry.path()) == bytesOf(kAssets / relative)) << relative << " changed between runs";
  }
  EXPECT_EQ(written.size(), 5u + 90u + 2u);
  fs::remove_all(again);
}
