#include <ostream>

#include "cli/commands.h"
#include "cli/position_args.h"
#include "core/document/ladder.h"
#include "core/document/navigation.h"
#include "core/record/sgf_writer.h"
#include "core/record/text.h"

namespace mokuza::cli {
namespace {

std::string colourName(int colour) { return colour == kStoneBlack ? "Black" : "White"; }

std::string failure(LadderStatus status, const std::string& at, const Document& doc) {
  switch (status) {
    case LadderStatus::NoStone: return "no stone at " + at;
    case LadderStatus::NotToPlay:
      return "the stone at " + at + " is " + colourName(-doc.colourToPlay) + "'s, and " + colourName(doc.colourToPlay) +
             " is to play";
    case LadderStatus::NotInAtari: return "the stone at " + at + " is not in atari";
    default: return "no ladder from " + at + ": the first extension already escapes or is captured";
  }
}

int runLadder(const Args& args, Streams streams) {
  ParsedArgs parsed = parseArgs(kLadderCommand, args, {{"--move", true}, {"--at", true}});
  const std::string file = parsed.oneFile();
  const std::optional<int> move = parsed.number("--move", "--move takes a whole number");
  const std::string at = parsed.value("--at").value_or("");
  if (at.empty()) parsed.fail("--at names the stone in atari");
  if (!parsed.error.empty()) return usageError(kLadderCommand, parsed.error, streams);

  Document doc;
  if (!loadGame(kLadderCommand, file, doc, streams)) return kExitFailure;
  const int n = doc.record().boardSize;
  const auto point = parseSgfPoint(at, n);
  if (!point) return usageError(kLadderCommand, "--at takes a point like dd on the board", streams);
  // Inside the record the ladder becomes a variation: nothing already there is lost.
  setDesignValue(doc.state.design, DesignField::InterruptOperation, kInsertVariation);
  if (!showRequestedMove(doc, move, kLadderCommand, streams)) return kExitFailure;

  platform::HeadlessServices services;
  const LadderOutcome outcome = ReadLadder(doc, services, *point, nullptr);
  if (outcome.status != LadderStatus::Added) {
    streams.err << "mokuza-cli ladder: " << failure(outcome.status, at, doc) << '\n';
    return kExitFailure;
  }
  int colour = outcome.run.defender;
  for (RecordPoint p : outcome.run.points) {
    streams.out << (colour == kStoneBlack ? "B " : "W ") << sgfPoint(p, n) << '\n';
    colour = -colour;
  }
  streams.out << utf16ToUtf8(writeSgf(doc.record()));
  return kExitOk;
}

}  // namespace

const Command kLadderCommand{"ladder", "read the ladder of a stone in atari",
                             "mokuza-cli ladder FILE [--move N] --at POINT\n"
                             "  Reads the ladder of the stone at POINT (SGF letters, e.g. dd) in the\n"
                             "  position after move N (default: the last move of the main line); the\n"
                             "  stone must be of the colour to play. Prints the moves, one per line\n"
                             "  (B dd / W ec), then the record with the moves added as SGF: appended\n"
                             "  at the end of the game, or as a variation after move N.",
                             runLadder};

}  // namespace mokuza::cli
