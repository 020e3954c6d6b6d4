#include <ostream>

#include "cli/board_picture.h"
#include "cli/commands.h"
#include "render/image_export.h"
#include "render/offscreen_qt.h"

namespace mokuza::cli {
namespace {

int runRender(const Args& args, Streams streams) {
  PictureOptions options;
  ParsedArgs parsed = parseArgs(kRenderCommand, args, kPictureOptions);
  readPictureOptions(parsed, options);
  if (!parsed.error.empty()) return usageError(kRenderCommand, parsed.error, streams);
  const std::filesystem::path output = options.output;
  const std::string extension = output.extension().string();
  if (extension != ".png" && extension != ".jpg" && extension != ".jpeg")
    return usageError(kRenderCommand, "-o takes a .png or .jpg file", streams);

  render::OffscreenQt qt;
  auto picture = std::make_unique<ComposedPicture>();
  if (const int status = composePicture(options, kRenderCommand, streams, *picture); status != kExitOk) return status;
  const QImage& image = picture->painter.picture();
  const platform::FileStatus saved =
      extension == ".png" ? render::saveImageFile(output, image.convertToFormat(QImage::Format_RGB32), "png")
                          : render::SaveBitmapAsJpeg(output, image);
  if (!saved) {
    streams.err << "mokuza-cli render: " << saved.error << '\n';
    return kExitFailure;
  }
  return kExitOk;
}

}  // namespace

const Command kRenderCommand{
    "render", "draw the board as the window shows it",
    "mokuza-cli render FILE [--move N] [--width W --height H] [--design PLAYLIST.gpl --game K]\n"
    "                  [--coords 0..3] [--numbers 0..2] [--territory [--dead dd,pq,...]] [--move-list]\n"
    "                  -o OUT.png|OUT.jpg\n"
    "  Paints the client area of the main window (default 1280 x 960, side panel shown) at\n"
    "  move N (default: the last move of the main line) with the initial design, or with the\n"
    "  design of game K of a playlist. --coords sets the coordinate style, --numbers the move\n"
    "  numbers (0 none, 1 variation moves, 2 all), --territory counts territory with the\n"
    "  --dead stones marked, --move-list writes the move names under the board. Images of\n"
    "  the design are read from the program folder; missing ones are drawn plainly and named\n"
    "  on stderr.",
    runRender};

}  // namespace mokuza::cli
