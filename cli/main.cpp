#include <array>
#include <iostream>
#include <new>
#include <string>

#include "cli/commands.h"

namespace {

using mokuza::cli::Command;

constexpr std::array kCommands{
    &mokuza::cli::kShowCommand,    &mokuza::cli::kTreeCommand,     &mokuza::cli::kPlaylistCommand,
    &mokuza::cli::kScoreCommand,   &mokuza::cli::kLadderCommand,   &mokuza::cli::kInfoCommand,
    &mokuza::cli::kConvertCommand, &mokuza::cli::kNamesCommand,    &mokuza::cli::kSearchCommand,
    &mokuza::cli::kMidiCommand,    &mokuza::cli::kAutoplayCommand, &mokuza::cli::kRenderCommand,
    &mokuza::cli::kExportCommand};

void printHelp(std::ostream& out) {
  out << "mokuza-cli — Go game records from the command line\n\n"
         "usage: mokuza-cli COMMAND [ARGS...]\n"
         "       mokuza-cli COMMAND --help\n\ncommands:\n";
  for (const Command* command : kCommands)
    out << "  " << command->name << std::string(10 - std::string(command->name).size(), ' ') << command->summary
        << '\n';
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    printHelp(std::cerr);
    return mokuza::cli::kExitUsage;
  }
  const std::string name = argv[1];
  if (name == "--help" || name == "-h" || name == "help") {
    printHelp(std::cout);
    return mokuza::cli::kExitOk;
  }
  mokuza::cli::Args args(argv + 2, argv + argc);
  for (const Command* command : kCommands) {
    if (name != command->name) continue;
    if (mokuza::cli::wantsHelp(args)) {
      std::cout << "usage: " << command->usage << '\n';
      return mokuza::cli::kExitOk;
    }
    // A library's exception text means nothing to the user; every failure
    // the commands foresee is reported by them with the path and the reason.
    try {
      return command->run(args, {std::cout, std::cerr});
    } catch (const std::bad_alloc&) {
      std::cerr << "mokuza-cli " << name << ": out of memory\n";
    } catch (const std::exception&) {
      std::cerr << "mokuza-cli " << name << ": stopped by an unexpected failure\n";
    }
    return mokuza::cli::kExitFailure;
  }
  std::cerr << "mokuza-cli: unknown command '" << name << "'\n";
  printHelp(std::cerr);
  return mokuza::cli::kExitUsage;
}
