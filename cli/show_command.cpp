#include <ostream>

#include "cli/commands.h"
#include "core/document/navigation.h"

namespace mokuza::cli {
namespace {

char stoneChar(int stone) { return stone == kStoneBlack ? 'X' : stone == kStoneWhite ? 'O' : '.'; }

void printPlain(const Document& doc, std::ostream& out) {
  const int n = doc.record().boardSize;
  for (int y = 0; y < n; ++y) {
    for (int x = 0; x < n; ++x) out << stoneChar(doc.shownPosition.boardGrid.stones[RecordPoint{x + y * n}]);
    out << '\n';
  }
}

void printForPeople(const Document& doc, std::ostream& out) {
  const int n = doc.record().boardSize;
  std::string columns = "   ";
  for (int x = 0; x < n; ++x) {
    columns += static_cast<char>('A' + x + (x >= 8 ? 1 : 0));
    columns += ' ';
  }
  out << columns << '\n';
  for (int y = 0; y < n; ++y) {
    const int row = n - y;
    out << (row < 10 ? " " : "") << row << ' ';
    for (int x = 0; x < n; ++x) {
      const RecordPoint u{x + y * n};
      char c = stoneChar(doc.shownPosition.boardGrid.stones[u]);
      if (c == '.' && doc.board.geometry.info[doc.board.geometry.bordered(u)].cornerStar) c = '+';
      out << c << (u == doc.lastMovePoint ? ')' : ' ');
    }
    out << row << '\n';
  }
  out << columns << '\n';

  const int move = doc.currentMove();
  const MoveRecord& shown = doc.record().lineCopy[static_cast<std::size_t>(move)];
  out << "Move " << move << " of " << doc.moveCount();
  if (shown.hasMove()) out << " (" << (shown.colour == 1 ? "Black " : "White ") << humanPoint(shown.point, n) << ')';
  out << ", " << (doc.colourToPlay == 1 ? "Black" : "White") << " to play\n";
  const PositionSlot& slot = doc.board.slot(move);
  out << "Prisoners: Black " << slot.capturedWhite.size() << ", White " << slot.capturedBlack.size() << '\n';
}

int runShow(const Args& args, Streams streams) {
  ParsedArgs parsed = parseArgs(kShowCommand, args, {{"--move", true}, {"--format", true}});
  const std::string file = parsed.oneFile();
  const std::optional<int> move = parsed.number("--move", "--move takes a whole number");
  const std::optional<std::string> format = parsed.value("--format");
  if (format && *format != "plain") parsed.fail("unknown format '" + *format + "'");
  if (!parsed.error.empty()) return usageError(kShowCommand, parsed.error, streams);
  const bool plain = format.has_value();

  Document doc;
  if (!loadGame(kShowCommand, file, doc, streams)) return kExitFailure;
  if (!move && lastShowableMove(doc) < doc.moveCount())
    streams.err << "mokuza-cli show: the game has " << doc.moveCount() << " moves; showing move "
                << lastShowableMove(doc) << ", the last one kept\n";
  const int target = move.value_or(lastShowableMove(doc));
  if (target < 0 || target > doc.moveCount()) {
    streams.err << "mokuza-cli show: move " << target << " is outside 0.." << doc.moveCount() << '\n';
    return kExitFailure;
  }
  if (target > lastShowableMove(doc)) {
    streams.err << "mokuza-cli show: positions after move " << lastShowableMove(doc) << " are not kept\n";
    return kExitFailure;
  }
  showMove(doc, target);
  if (plain) printPlain(doc, streams.out);
  else printForPeople(doc, streams.out);
  return kExitOk;
}

}  // namespace

const Command kShowCommand{"show", "print the position after a move",
                           "mokuza-cli show FILE [--move N] [--format plain]\n"
                           "  The position after move N (default: the last move of the main line).\n"
                           "  --format plain prints N lines of N characters: X black, O white, . empty.",
                           runShow};

}  // namespace mokuza::cli
