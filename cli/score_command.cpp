#include <ostream>

#include "cli/commands.h"
#include "cli/position_args.h"
#include "core/record/text.h"
#include "core/rules/info_text.h"
#include "core/rules/territory.h"

namespace mokuza::cli {
namespace {

int runScore(const Args& args, Streams streams) {
  ParsedArgs parsed = parseArgs(kScoreCommand, args, {{"--move", true}, {"--dead", true}});
  const std::string file = parsed.oneFile();
  const std::optional<int> move = parsed.number("--move", "--move takes a whole number");
  const std::optional<std::string> dead = parsed.value("--dead");
  if (!parsed.error.empty()) return usageError(kScoreCommand, parsed.error, streams);

  Document doc;
  if (!loadGame(kScoreCommand, file, doc, streams)) return kExitFailure;
  const int n = doc.record().boardSize;
  std::vector<RecordPoint> deadPoints;
  if (dead) {
    auto points = parseSgfPoints(*dead, n);
    if (!points) return usageError(kScoreCommand, "--dead takes points like dd,pq on the board", streams);
    deadPoints = std::move(*points);
  }
  if (!showRequestedMove(doc, move, kScoreCommand, streams)) return kExitFailure;

  CountingState counting;
  ToggleCountingMode(counting, doc.board);
  for (RecordPoint point : deadPoints) {
    if (doc.shownPosition.boardGrid.stones[point] == kStoneEmpty) {
      streams.err << "mokuza-cli score: no stone at " << sgfPoint(point, n) << '\n';
      return kExitFailure;
    }
    MarkDead(counting, doc.board, point);
  }
  const Score score = computeScore(counting, doc.board, parseKomiTenths(doc.record().header(u"コミ")));
  streams.out << utf16ToUtf8(ScoreText(score)) << '\n' << utf16ToUtf8(ShortResult(score)) << '\n';
  return kExitOk;
}

}  // namespace

const Command kScoreCommand{"score", "count territory and print the result",
                            "mokuza-cli score FILE [--move N] [--dead dd,pq,...]\n"
                            "  Counts the position after move N (default: the last move of the main\n"
                            "  line). Each --dead point is clicked as in counting mode: its chain and\n"
                            "  the chains of its colour around the same areas are marked dead.\n"
                            "  Prints the score line, then the short result (B+6.5, W+0.5 or 0).",
                            runScore};

}  // namespace mokuza::cli
