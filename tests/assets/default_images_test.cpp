#include <gtest/gtest.h>
#include <unistd.h>
#include <QImage>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path kAssets = MOKUZA_ASSET_DIR;

std::string bytesOf(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Darkest to lightest grey of an image: near zero for a blank or uniform one.
int greySpread(const QImage& image) {
  int low = 255, high = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      low = std::min(low, qGray(image.pixel(x, y)));
      high = std::max(high, qGray(image.pixel(x, y)));
    }
  return high - low;
}

}  // namespace

TEST(DefaultImages, EveryImageDecodesAtItsSizeAndIsNotUniform) {
  struct Kind {
    std::string path;
    int minWidth;
    int widthToHeight[2];
  };
  std::vector<Kind> kinds = {{"gra/stone/blackmarble01.jpg", 128, {1, 1}},
                             {"gra/stone/whitemarble01.jpg", 128, {1, 1}},
                             {"gra/stone/lapislazuli01.jpg", 128, {1, 1}},
                             {"gra/goban/goban.jpg", 768, {1, 1}},
                             {"gra/back/mtfuji_1603.jpg", 1280, {16, 9}}};
  for (const char* name : {"Lmodo", "10modo", "01modo", "01susu", "10susu", "Lsusu", "Cmodo", "Csusu", "modo", "susu",
                           "henka", "honpu", "uwgk", "undo", "redo"})
    for (const char* state : {"M", "F", "H"})
      for (const char* pressed : {"", "_N"})
        kinds.push_back({std::string("gra/command/") + state + name + pressed + ".jpg", 80, {1, 1}});
  for (const Kind& kind : kinds) {
    const QImage image(QString::fromStdString((kAssets / kind.path).string()));
    ASSERT_FALSE(image.isNull()) << kind.path << " does not decode";
    EXPECT_GE(image.width(), kind.minWidth) << kind.path;
    EXPECT_EQ(image.width() * kind.widthToHeight[1], image.height() * kind.widthToHeight[0]) << kind.path;
    EXPECT_GT(greySpread(image), 20) << kind.path << " is blank";
  }
}

TEST(DefaultImages, GeneratorPaintsTheSameBytesEveryRun) {
  const fs::path again = fs::temp_directory_path() / ("mokuza-assets-" + std::to_string(::getpid()));
  fs::remove_all(again);
  const std::string command = std::string("\"") + MOKUZA_ASSET_GENERATOR + "\" \"" + again.string() + "\"";
  ASSERT_EQ(std::system(command.c_str()), 0);
  int written = 0;
  for (const auto& entry : fs::recursive_directory_iterator(again)) {
    if (!entry.is_regular_file()) continue;
    const fs::path relative = entry.path().lexically_relative(again);
    ++written;
    EXPECT_TRUE(bytesOf(entry.path()) == bytesOf(kAssets / relative)) << relative << " changed between runs";
  }
  EXPECT_EQ(written, 5 + 90 + 2 + 2);
  fs::remove_all(again);
}

// The star point reads as a dark dot on the board, not as a stone of a third colour.
TEST(DefaultImages, StarImageIsDarkAndColourless) {
  const QImage image(QString::fromStdString((kAssets / "gra/stone/lapislazuli01.jpg").string()));
  ASSERT_FALSE(image.isNull());
  long long red = 0, green = 0, blue = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      red += qRed(image.pixel(x, y));
      green += qGreen(image.pixel(x, y));
      blue += qBlue(image.pixel(x, y));
    }
  const long long pixels = static_cast<long long>(image.width()) * image.height();
  EXPECT_LT((red + green + blue) / (3 * pixels), 60);
  EXPECT_LT(std::max({red, green, blue}) - std::min({red, green, blue}), 15 * pixels);
}
