#pragma once
// What `render` and `export` share: the options that choose a game, a move
// and a design, and the composed client picture the window would show.

#include <QImage>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "cli/cli_support.h"
#include "cli/option_parser.h"
#include "core/rules/territory.h"
#include "render/board_geometry.h"
#include "render/board_painter.h"
#include "render/render_state.h"

namespace mokuza::cli {

struct PictureOptions {
  std::string file;
  std::optional<int> move;
  int width = 1280;
  int height = 960;
  std::string designPlaylist;  // take the design of one of its games
  int game = 1;                // 1-based, in the playlist's order
  std::optional<int> coords;   // "碁盤座標"
  std::optional<int> numbers;  // "手数表示"
  bool territory = false;
  std::string dead;       // points marked dead in territory counting
  bool moveList = false;  // the move names under the board
  std::string output;
};

// The shared options, for parseArgs, and their values read into `options`;
// a bad value fails `parsed`. The file is the one positional argument.
extern const std::vector<OptionInfo> kPictureOptions;
void readPictureOptions(ParsedArgs& parsed, PictureOptions& options);

struct ComposedPicture {
  Document doc;
  Design design;
  CountingState counting;
  render::RenderState state;
  render::BoardGeometry geometry;
  render::BoardPainter painter;
};

// Loads the game, the design and the position and paints the picture. On
// failure the reason is on stderr and the exit code is returned.
int composePicture(const PictureOptions& options, const Command& command, Streams streams, ComposedPicture& out);

}  // namespace mokuza::cli
