#include <ostream>

#include "cli/commands.h"

namespace mokuza::cli {
namespace {

struct Item {
  const VariationNode* node;
  int firstMove;  // number of the node's first record
  int indent;
  int variation;  // 1-based place among its siblings, 0 when it has none
};

// Deeper levels than this are not indented further but numbered, so that the
// output grows with the tree and not with the square of its depth.
constexpr int kIndentLevels = 20;

std::string indentation(int level) {
  if (level <= kIndentLevels) return std::string(static_cast<std::size_t>(level) * 2, ' ');
  return std::string(kIndentLevels * 2, ' ') + "[level " + std::to_string(level) + "] ";
}

std::string moveRange(int first, std::size_t count) {
  if (count == 0) return "no moves";
  if (count == 1) return "move " + std::to_string(first);
  return "moves " + std::to_string(first) + "-" + std::to_string(first + static_cast<int>(count) - 1);
}

std::string moveText(const MoveRecord& record, int boardSize) {
  if (!record.hasMove()) return "setup";
  return std::string(record.colour == 1 ? "B " : "W ") + sgfPoint(RecordPoint{record.point}, boardSize);
}

void printTree(const GameRecord& record, std::ostream& out) {
  const int n = record.boardSize;
  int branchPoints = 0;
  std::vector<Item> stack{{&record.root.children[0], 1, 0, 0}};
  while (!stack.empty()) {
    const Item item = stack.back();
    stack.pop_back();
    const auto& records = item.node->records;
    const std::string pad = indentation(item.indent);
    out << pad;
    if (item.variation > 0) out << "variation " << item.variation << ": ";
    out << moveRange(item.firstMove, records.size());
    if (!records.empty()) {
      out << " (" << moveText(records.front(), n);
      if (records.size() > 1) out << " .. " << moveText(records.back(), n);
      out << ')';
    }
    out << '\n';

    const auto& children = item.node->children;
    const int next = item.firstMove + static_cast<int>(records.size());
    if (children.size() == 1) {
      stack.push_back({&children[0], next, item.indent, 0});
    } else if (children.size() > 1) {
      ++branchPoints;
      out << pad << "branch after move " << next - 1 << " (" << children.size() << " variations)\n";
      for (std::size_t c = children.size(); c-- > 0;)
        stack.push_back({&children[c], next, item.indent + 1, static_cast<int>(c) + 1});
    }
  }
  out << branchPoints << (branchPoints == 1 ? " branch point\n" : " branch points\n");
}

int runTree(const Args& args, Streams streams) {
  // Any option, or another count of files, gets the one message.
  const ParsedArgs parsed = parseArgs(kTreeCommand, args, {});
  if (!parsed.error.empty() || parsed.positional.size() != 1)
    return usageError(kTreeCommand, args.empty() ? "no file given" : "expects exactly one file", streams);
  Document doc;
  if (!loadGame(kTreeCommand, args[0], doc, streams)) return kExitFailure;
  printTree(doc.record(), streams.out);
  return kExitOk;
}

}  // namespace

const Command kTreeCommand{"tree", "print the variation tree",
                           "mokuza-cli tree FILE\n"
                           "  The variation tree as an indented outline: each run of moves with its\n"
                           "  move numbers, and at each branch point its variations, indented; past 20\n"
                           "  levels the level is written as a number instead.",
                           runTree};

}  // namespace mokuza::cli
