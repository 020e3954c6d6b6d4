#pragma once
// The subcommands of mokuza-cli.

#include "cli/cli_support.h"

namespace mokuza::cli {

extern const Command kShowCommand;
extern const Command kTreeCommand;
extern const Command kInfoCommand;
extern const Command kConvertCommand;
extern const Command kPlaylistCommand;

}  // namespace mokuza::cli
