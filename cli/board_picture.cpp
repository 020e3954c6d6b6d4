#include "cli/board_picture.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <ostream>
#include <string>
#include <system_error>

#include "cli/position_args.h"
#include "core/record/text.h"
#include "platform/user_files.h"
#include "playlist/design_fields.h"
#include "playlist/playlist_reader.h"
#include "render/design_images.h"
#include "render/geometry_inputs.h"
#include "settings/design_values.h"

namespace mokuza::cli {
namespace {

bool takeNumber(const Args& args, std::size_t& i, int low, int high, int& value, std::string& error) {
  const std::string name = args[i];
  const auto number = i + 1 < args.size() ? parseInt(args[++i]) : std::nullopt;
  if (!number || *number < low || *number > high) {
    error = name + " takes a whole number from " + std::to_string(low) + " to " + std::to_string(high);
    return false;
  }
  value = *number;
  return true;
}

int loadDesign(const PictureOptions& options, const std::filesystem::path& programFolder, Design& design,
               const Command& command, Streams streams) {
  design = initialDesign();
  if (options.designPlaylist.empty()) return kExitOk;
  if (const auto status = platform::checkUserFile(options.designPlaylist, kTextFileMax); !status) {
    streams.err << "mokuza-cli " << command.name << ": " << status.error << '\n';
    return kExitFailure;
  }
  Playlist playlist;
  platform::HeadlessServices services;
  PlaylistEntry shown;
  if (ReadPlaylist(playlist, shown, pathToText(options.designPlaylist), false, services, programFolder) !=
          kPlaylistReadOk ||
      playlist.displayOrder.empty()) {
    streams.err << "mokuza-cli " << command.name << ": no games in " << options.designPlaylist << '\n';
    return kExitFailure;
  }
  if (options.game < 1 || options.game > playlist.gameCount()) {
    streams.err << "mokuza-cli " << command.name << ": --game " << options.game << " is outside 1.."
                << playlist.gameCount() << '\n';
    return kExitFailure;
  }
  design =
      playlist.entries[static_cast<std::size_t>(playlist.displayOrder[static_cast<std::size_t>(options.game - 1)])];
  return kExitOk;
}

}  // namespace

bool takePictureOption(const Args& args, std::size_t& i, PictureOptions& options, std::string& error) {
  const std::string& arg = args[i];
  int value = 0;
  if (arg == "--move") {
    if (!takeNumber(args, i, 0, 100000, value, error)) return true;
    options.move = value;
  } else if (arg == "--width") {
    takeNumber(args, i, 64, 8192, options.width, error);
  } else if (arg == "--height") {
    takeNumber(args, i, 64, 8192, options.height, error);
  } else if (arg == "--game") {
    takeNumber(args, i, 1, 10000, options.game, error);
  } else if (arg == "--coords") {
    if (takeNumber(args, i, 0, 3, value, error)) options.coords = value;
  } else if (arg == "--numbers") {
    if (takeNumber(args, i, 0, 2, value, error)) options.numbers = value;
  } else if (arg == "--design" || arg == "-o" || arg == "--dead") {
    if (i + 1 >= args.size()) {
      error = arg + " takes a value";
      return true;
    }
    std::string& into = arg == "--design" ? options.designPlaylist : (arg == "-o" ? options.output : options.dead);
    into = args[++i];
  } else if (arg == "--territory") {
    options.territory = true;
  } else if (arg == "--move-list") {
    options.moveList = true;
  } else {
    return false;
  }
  return true;
}

QtSession::QtSession() {
  // Qt stops without a display unless it is told to draw off screen.
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  // Without a runtime folder of the user's own Qt warns on stderr at every start.
  std::error_code ec;
  const std::filesystem::path temp = std::filesystem::temp_directory_path(ec);
  if (std::getenv("XDG_RUNTIME_DIR") == nullptr && !ec) {
    const std::filesystem::path runtime = temp / ("mokuza-runtime-" + std::to_string(::getuid()));
    std::filesystem::create_directory(runtime, ec);
    std::filesystem::permissions(runtime, std::filesystem::perms::owner_all, ec);
    if (!ec && std::filesystem::is_directory(runtime, ec)) ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 0);
  }
  if (QGuiApplication::instance() == nullptr) app_ = std::make_unique<QGuiApplication>(argc_, argv_);
}

int composePicture(const PictureOptions& options, const Command& command, Streams streams, ComposedPicture& out) {
  platform::HeadlessServices services;
  std::string error;
  if (!loadGame(options.file, out.doc, services, error)) {
    streams.err << "mokuza-cli " << command.name << ": " << error << '\n';
    return kExitFailure;
  }
  if (!showRequestedMove(out.doc, options.move, command, streams)) return kExitFailure;
  const std::filesystem::path folder = programFolder(command, streams);
  if (folder.empty()) return kExitFailure;
  if (const int status = loadDesign(options, folder, out.design, command, streams); status != kExitOk) return status;
  if (options.coords) out.design.intFields[u"碁盤座標"] = *options.coords;
  if (options.numbers) out.design.intFields[u"手数表示"] = *options.numbers;
  if (options.moveList) out.doc.globalOptions["moveinfo"] = 1;

  const int n = out.doc.record().boardSize;
  if (options.territory) {
    ToggleCountingMode(out.counting, out.doc.board);
    if (!options.dead.empty()) {
      const auto points = parseSgfPoints(options.dead, n);
      if (!points) {
        streams.err << "mokuza-cli " << command.name << ": --dead takes points like dd,pq on the board\n";
        return kExitUsage;
      }
      for (RecordPoint point : *points) MarkDead(out.counting, out.doc.board, point);
    }
    out.state.counting = &out.counting;
  }

  render::RenderState& state = out.state;
  state.doc = &out.doc;
  state.design = &out.design;
  state.typeface = std::u16string(textField(out.doc.state.gameInfo, kTypefaceLabel));
  state.programFolder = folder;
  const int scale = render::textScale(state);
  state.panelWidth = render::PanelWidth(scale);
  render::WindowLayout window{options.width, options.height, state.panelWidth, 0,
                              render::documentOption(state, "layoutno", 1)};
  out.geometry = render::ComputeBoardGeometry(render::DesignGeometryInputs(out.design, n, window));
  out.painter.Repaint(state, out.geometry, QSize(options.width, options.height));
  for (const auto& missing : out.painter.missingImages()) {
    const auto status = platform::checkUserFile(missing, render::kImageFileMax);
    const bool plain = status || status.problem == platform::FileProblem::Missing;
    streams.err << "mokuza-cli " << command.name << ": "
                << (plain ? "cannot read image " + missing.string() : status.error) << "; drawn without it\n";
  }
  return kExitOk;
}

}  // namespace mokuza::cli
