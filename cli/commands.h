#pragma once
// The subcommands of mokuza-cli.

#include "cli/cli_support.h"
#include "cli/option_parser.h"

namespace mokuza::cli {

extern const Command kShowCommand;
extern const Command kTreeCommand;
extern const Command kInfoCommand;
extern const Command kConvertCommand;
extern const Command kPlaylistCommand;
extern const Command kNamesCommand;
extern const Command kScoreCommand;
extern const Command kLadderCommand;
extern const Command kSearchCommand;
extern const Command kMidiCommand;
extern const Command kAutoplayCommand;
extern const Command kRenderCommand;
extern const Command kExportCommand;

}  // namespace mokuza::cli
