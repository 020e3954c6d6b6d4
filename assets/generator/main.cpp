// mokuza-assetgen OUTPUT_FOLDER: writes the default design images and the
// board cursors under gra/ and the two stone sounds into OUTPUT_FOLDER, the
// program folder layout.

#include <QImageWriter>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "assets/generator/click_sound.h"
#include "assets/generator/command_icons.h"
#include "assets/generator/cursor_images.h"
#include "assets/generator/painters.h"

namespace fs = std::filesystem;
using namespace mokuza::assets;

namespace {

constexpr int kStoneSize = 256;
constexpr int kBoardSize = 1024;
constexpr int kBackgroundWidth = 1920;
constexpr int kBackgroundHeight = 1080;
// The largest icon size the side panel uses; smaller sizes scale it down.
constexpr int kIconSize = 80;
constexpr int kCursorSize = 32;

bool writeJpeg(const fs::path& path, const QImage& image, int quality) {
  std::error_code ec;
  fs::create_directories(path.parent_path(), ec);
  QImageWriter writer(QString::fromStdString(path.string()), "jpg");
  writer.setQuality(quality);
  if (writer.write(image.convertToFormat(QImage::Format_RGB32))) return true;
  std::cerr << "mokuza-assetgen: cannot write " << path << ": " << writer.errorString().toStdString() << "\n";
  return false;
}

bool writePng(const fs::path& path, const QImage& image) {
  std::error_code ec;
  fs::create_directories(path.parent_path(), ec);
  QImageWriter writer(QString::fromStdString(path.string()), "png");
  if (writer.write(image)) return true;
  std::cerr << "mokuza-assetgen: cannot write " << path << ": " << writer.errorString().toStdString() << "\n";
  return false;
}

bool writeBytes(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (out) return true;
  std::cerr << "mokuza-assetgen: cannot write " << path << "\n";
  return false;
}

bool writeCommandIcons(const fs::path& folder) {
  bool ok = true;
  for (std::size_t i = 0; i < kCommandIconNames.size(); ++i) {
    for (IconState state : kIconStates) {
      for (bool pressed : {false, true}) {
        ok = writeJpeg(folder / commandIconFileName(i, state, pressed), paintCommandIcon(i, state, pressed, kIconSize),
                       95) &&
             ok;
      }
    }
  }
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: mokuza-assetgen OUTPUT_FOLDER\n";
    return 2;
  }
  const fs::path out = argv[1];
  const fs::path gra = out / "gra";
  bool ok = true;
  ok = writeJpeg(gra / "stone" / "blackmarble01.jpg", paintStone(StoneStyle::BlackMarble, kStoneSize), 92) && ok;
  ok = writeJpeg(gra / "stone" / "whitemarble01.jpg", paintStone(StoneStyle::WhiteMarble, kStoneSize), 92) && ok;
  ok = writeJpeg(gra / "stone" / "lapislazuli01.jpg", paintStone(StoneStyle::StarInk, kStoneSize), 92) && ok;
  ok = writeJpeg(gra / "goban" / "goban.jpg", paintKayaBoard(kBoardSize), 90) && ok;
  ok = writeJpeg(gra / "back" / "mtfuji_1603.jpg", paintLandscape(kBackgroundWidth, kBackgroundHeight), 88) && ok;
  ok = writeCommandIcons(gra / "command") && ok;
  ok = writePng(gra / "cursor" / "pickup.png", paintPickedStoneCursor(kCursorSize)) && ok;
  ok = writePng(gra / "cursor" / "step.png", paintStepCursor(kCursorSize)) && ok;
  ok = writeBytes(out / "black_sound.wav", waveFileBytes(synthesizeClick(ClickVoice::Black), kClickSampleRate)) && ok;
  ok = writeBytes(out / "white_sound.wav", waveFileBytes(synthesizeClick(ClickVoice::White), kClickSampleRate)) && ok;
  return ok ? 0 : 1;
}
