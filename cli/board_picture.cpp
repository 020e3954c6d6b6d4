#include "cli/board_picture.h"

#include <filesystem>
#include <ostream>
#include <string>

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

int loadDesign(const PictureOptions& options, const std::filesystem::path& programFolder, Design& design,
               const Command& command, Streams streams) {
  design = makeInitialDesign();
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

const std::vector<OptionInfo> kPictureOptions{{"--move", true},   {"--width", true},  {"--height", true},
                                              {"--game", true},   {"--coords", true}, {"--numbers", true},
                                              {"--design", true}, {"-o", true},       {"--dead", true},
                                              {"--territory"},    {"--move-list"}};

void readPictureOptions(ParsedArgs& parsed, PictureOptions& options) {
  const auto number = [&parsed](std::string_view name, int low, int high) {
    return parsed.number(
        name, std::string(name) + " takes a whole number from " + std::to_string(low) + " to " + std::to_string(high),
        low, high);
  };
  options.file = parsed.oneFile();
  options.move = number("--move", 0, 100000);
  options.width = number("--width", 64, 8192).value_or(options.width);
  options.height = number("--height", 64, 8192).value_or(options.height);
  options.game = number("--game", 1, 10000).value_or(options.game);
  if (const auto coords = number("--coords", 0, 3)) options.coords = coords;
  if (const auto numbers = number("--numbers", 0, 2)) options.numbers = numbers;
  options.designPlaylist = parsed.value("--design").value_or("");
  options.output = parsed.value("-o").value_or("");
  options.dead = parsed.value("--dead").value_or("");
  options.territory = parsed.has("--territory");
  options.moveList = parsed.has("--move-list");
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
  if (options.coords) setDesignValue(out.design, DesignField::GobanCoordinate, *options.coords);
  if (options.numbers) setDesignValue(out.design, DesignField::NumberDisplay, *options.numbers);
  if (options.moveList) out.doc.globalOptions[GlobalOption::MoveInfo] = 1;

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
  state.panelWidth = render::panelWidth(scale);
  render::WindowLayout window{options.width, options.height, state.panelWidth, 0,
                              render::documentOption(state, DocumentOption::LayoutNo)};
  out.geometry = render::ComputeBoardGeometry(render::designGeometryInputs(out.design, n, window));
  out.painter.Repaint(state, out.geometry, QSize(options.width, options.height));
  for (const auto& missing : out.painter.designImages().missing) {
    const auto status = platform::checkUserFile(missing, render::kImageFileMax);
    const bool plain = status || status.problem == platform::FileProblem::Missing;
    streams.err << "mokuza-cli " << command.name << ": "
                << (plain ? "cannot read image " + missing.string() : status.error) << "; drawn without it\n";
  }
  return kExitOk;
}

}  // namespace mokuza::cli
