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
  ParsedArgs parsed = parseArgs(kConvertCommand, args, {{"--force", false}});
  if (parsed.positional.size() != 2) parsed.fail("expects an input and an output file");
  if (!parsed.error.empty()) return usageError(kConvertCommand, parsed.error, streams);
  const std::vector<std::string>& files = parsed.positional;
  const bool force = parsed.has("--force");
  Document doc;
  if (!loadGame(kConvertCommand, files[0], doc, streams)) return kExitFailure;
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
