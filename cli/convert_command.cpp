#include <ostream>

#include "cli/commands.h"
#include "core/document/game_files.h"
#include "core/record/text.h"

namespace mokuza::cli {
namespace {

int runConvert(const Args& args, Streams streams) {
  if (args.size() != 2) return usageError(kConvertCommand, "expects an input and an output file", streams);
  for (const std::string& arg : args)
    if (arg.empty() || arg[0] == '-') return usageError(kConvertCommand, "unknown option '" + arg + "'", streams);
  platform::HeadlessServices services;
  Document doc;
  std::string error;
  if (!loadGame(args[0], doc, services, error)) {
    streams.err << "mokuza-cli convert: " << error << '\n';
    return kExitFailure;
  }
  if (!writeGameFile(doc.record(), pathToText(args[1]))) {
    streams.err << "mokuza-cli convert: cannot write " << args[1] << '\n';
    return kExitFailure;
  }
  return kExitOk;
}

}  // namespace

const Command kConvertCommand{"convert", "read a game and write it back as SGF",
                              "mokuza-cli convert IN OUT\n"
                              "  Reads IN and writes it to OUT as UTF-8 SGF, the way the program saves.",
                              runConvert};

}  // namespace mokuza::cli
