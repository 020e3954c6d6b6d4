#include <ostream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "core/document/game_files.h"
#include "core/record/text.h"
#include "platform/user_files.h"

namespace mokuza::cli {
namespace {

int runConvert(const Args& args, Streams streams) {
  std::vector<std::string> files;
  bool force = false;
  for (const std::string& arg : args) {
    if (arg == "--force") force = true;
    else if (arg.empty() || arg[0] == '-')
      return usageError(kConvertCommand, optionProblem(kConvertCommand, arg), streams);
    else files.push_back(arg);
  }
  if (files.size() != 2) return usageError(kConvertCommand, "expects an input and an output file", streams);
  platform::HeadlessServices services;
  Document doc;
  std::string error;
  if (!loadGame(files[0], doc, services, error)) {
    streams.err << "mokuza-cli convert: " << error << '\n';
    return kExitFailure;
  }
  if (const ReadLoss& loss = doc.state.readLoss; loss.any()) {
    streams.err << "mokuza-cli convert: " << files[0] << " was not read whole: " << loss.describe() << '\n';
    if (!force && platform::isSameFile(files[0], files[1])) {
      streams.err << "mokuza-cli convert: writing it over itself would lose that; nothing written (--force writes all "
                     "the same)\n";
      return kExitFailure;
    }
  }
  if (const platform::FileStatus written = writeGameFile(doc.record(), pathToText(files[1])); !written) {
    streams.err << "mokuza-cli convert: " << written.error << '\n';
    return kExitFailure;
  }
  return kExitOk;
}

}  // namespace

const Command kConvertCommand{"convert", "read a game and write it back as SGF",
                              "mokuza-cli convert IN OUT [--force]\n"
                              "  Reads IN and writes it to OUT as UTF-8 SGF, the way the program saves.\n"
                              "  What the program cannot hold (a board above 19 lines, label texts beyond\n"
                              "  three characters, the later games of a collection) is named on stderr; such\n"
                              "  a file is not written over itself unless --force is given.",
                              runConvert};

}  // namespace mokuza::cli
