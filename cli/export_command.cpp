#include <map>
#include <ostream>

#include "cli/board_picture.h"
#include "cli/commands.h"
#include "render/image_export.h"
#include "render/offscreen_qt.h"

namespace mokuza::cli {
namespace {

const std::map<std::string, int> kModes{
    {"board", render::kOutputBoard},
    {"lowerleft", render::kOutputLowerLeft},
    {"lowerleft-coords", render::kOutputLowerLeftCoords},
    {"whole", render::kOutputWhole},
    {"stones-current", render::kOutputStonesCurrent},
    {"stones-source", render::kOutputStonesSource},
};

int runExport(const Args& args, Streams streams) {
  PictureOptions options;
  std::vector<OptionInfo> infos = kPictureOptions;
  infos.push_back({"--mode", true});
  ParsedArgs parsed = parseArgs(kExportCommand, args, infos);
  readPictureOptions(parsed, options);
  if (!parsed.error.empty()) return usageError(kExportCommand, parsed.error, streams);
  const std::string mode = parsed.value("--mode").value_or("board");
  const auto choice = kModes.find(mode);
  if (choice == kModes.end()) return usageError(kExportCommand, "unknown mode '" + mode + "'", streams);
  if (options.output.empty()) return usageError(kExportCommand, "-o takes a folder", streams);
  std::error_code ec;
  std::filesystem::create_directories(options.output, ec);
  if (!std::filesystem::is_directory(options.output, ec)) {
    streams.err << "mokuza-cli export: cannot make the folder " << options.output << '\n';
    return kExitFailure;
  }

  render::OffscreenQt qt;
  auto picture = std::make_unique<ComposedPicture>();
  if (const int status = composePicture(options, kExportCommand, streams, *picture); status != kExitOk) return status;
  render::ExportCut cut;
  cut.choice = choice->second;
  cut.clientWidth = options.width;
  cut.clientHeight = options.height;
  const int n = picture->geometry.boardSize;
  const auto& stones = picture->doc.shownPosition.boardGrid.stones;
  cut.stones.assign(stones.begin(), stones.begin() + n * n);
  const auto files = render::ExportBoardImage(cut, picture->painter.picture(), picture->geometry, picture->design,
                                              picture->state.programFolder, options.output);
  for (const auto& error : files.errors) streams.err << "mokuza-cli export: " << error << '\n';
  for (const auto& file : files.written) streams.out << file.string() << '\n';
  if (files.written.empty()) {
    streams.err << "mokuza-cli export: nothing written to " << options.output << '\n';
    return kExitFailure;
  }
  return kExitOk;
}

}  // namespace

const Command kExportCommand{
    "export", "write the board image files the program keeps",
    "mokuza-cli export FILE --move N --mode MODE [--width W --height H] [--design PLAYLIST.gpl --game K]\n"
    "                  [--coords 0..3] [--numbers 0..2] -o DIR\n"
    "  Writes into DIR (made when missing) what the image output setting writes: output.jpg cut as MODE says\n"
    "  (board, lowerleft, lowerleft-coords, whole), or the two stone images as round PNGs\n"
    "  c_NAME.png (stones-current at the board's stone size, stones-source at the size of\n"
    "  the image files). Prints the files written.",
    runExport};

}  // namespace mokuza::cli
