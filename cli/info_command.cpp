#include <ostream>

#include "cli/commands.h"
#include "core/record/text.h"

namespace mokuza::cli {
namespace {

int runInfo(const Args& args, Streams streams) {
  // Any option, or another count of files, gets the one message.
  const ParsedArgs parsed = parseArgs(kInfoCommand, args, {});
  if (!parsed.error.empty() || parsed.positional.size() != 1)
    return usageError(kInfoCommand, args.empty() ? "no file given" : "expects exactly one file", streams);
  Document doc;
  if (!loadGame(kInfoCommand, args[0], doc, streams)) return kExitFailure;
  for (const PropertyField& field : kGameInfoFields) {
    std::u16string_view value = doc.record().header(field.label);
    if (value.empty()) continue;
    // One line per field: line breaks inside a value are shown as "\n".
    std::u16string flat;
    for (char16_t c : value) {
      if (c == u'\n') flat += u"\\n";
      else if (c != u'\r') flat.push_back(c);
    }
    streams.out << utf16ToUtf8(field.label) << '\t' << utf16ToUtf8(flat) << '\n';
  }
  return kExitOk;
}

}  // namespace

const Command kInfoCommand{"info", "print the game information",
                           "mokuza-cli info FILE\n"
                           "  One line per field present, label<TAB>value, in the order of the\n"
                           "  game information table.",
                           runInfo};

}  // namespace mokuza::cli
