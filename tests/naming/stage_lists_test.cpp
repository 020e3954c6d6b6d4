// The choice passes the framework stage and the late stages over on
// the strength of lists: the figures each gives evidence for, and the figures
// the stages after the framework take away. Here the stages run on every move
// of real games and what they change is held against the lists.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "core/naming/figure_table.h"
#include "core/naming/move_context.h"
#include "core/record/sgf_reader.h"
#include "core/record/text.h"
#include "core/rules/replay.h"
#include "tests/corpus_files.h"

namespace mokuza::test {
namespace {

namespace fs = std::filesystem;
using naming::Evidence;
using naming::Figure;

template <std::size_t N>
bool listed(const std::array<Figure, N>& list, int f) {
  return std::find(list.begin(), list.end(), f) != list.end();
}

// Whether every point of `part` is in `whole`.
bool within(const PointSet& part, const PointSet& whole) {
  PointSet rest = part;
  rest.subtract(whole);
  return rest.empty();
}

// Runs the stages as the classifier does, without choosing, and checks each
// named move against the lists.
class StageListsCheck final : public ReplayObserver {
 public:
  std::string game;
  int moves = 0;
  int movesFramed = 0;  // moves the framework stage gave evidence to
  int movesLate = 0;    // and the late stages

  void afterMove(Board& board, std::vector<MoveRecord>& line, int move) override {
    const MoveRecord& record = line[static_cast<std::size_t>(move)];
    const GridGeometry& geo = board.geometry;
    const BorderedPoint played = geo.bordered(geo.recordPoint(record.point));
    if (!record.hasMove() || played.isPass() || !board.slot(move).capturedByMove.empty()) return;
    const int own = board.position.playGrid[played];
    if (own != kStoneBlack && own != kStoneWhite) return;

    naming::MoveContext c(board, board.slot(move).chainIds, board.slot(move - 1).chainCount, layer_);
    c.move = move;
    c.p = played.index;
    c.own = own;
    c.countNeighbours();
    Evidence before;
    addContacts(c, before);
    addSquares(c, before);
    findJumps(c);
    addLineTests(c, before);

    Evidence framed = before;
    addFrameworkTests(c, framed);
    Evidence early = framed, unframed = before;
    addFightingTests(c, early);
    addFightingTests(c, unframed);
    Evidence after = early, lateAlone;
    for (Evidence* ev : {&after, &lateAlone}) {
      addLateFightingTests(c, *ev);
      addOpeningPoints(c, *ev);
    }

    ++moves;
    const std::string where = game + " move " + std::to_string(move);
    bool framework = false, late = false;
    for (int i = 0; i < naming::kFigureKindCount; ++i) {
      const auto f = static_cast<Figure>(i);
      const std::string figure = utf16ToUtf8(naming::kFigureNames[f]);
      const auto same = [f](const Evidence& a, const Evidence& b) {
        return a.match(f) == b.match(f) && a.veto(f) == b.veto(f);
      };
      if (listed(naming::kFrameworkFigures, f)) {
        framework |= !same(framed, before);
      } else {
        EXPECT_TRUE(same(framed, before)) << where << ": the framework stage changed " << figure;
        EXPECT_TRUE(same(early, unframed)) << where << ": a later stage read the framework's evidence for " << figure;
      }
      const bool takenAway = !within(framed.match(f), after.match(f)) || !within(after.veto(f), framed.veto(f));
      EXPECT_TRUE(!takenAway || listed(naming::kTakenAwayAfterFramework, f))
          << where << ": a later stage took away " << figure;
      if (listed(naming::kLateFigures, f)) {
        late |= !same(after, early);
        EXPECT_TRUE(same(after, lateAlone)) << where << ": the late stages read the evidence for " << figure;
      } else {
        EXPECT_TRUE(same(after, early)) << where << ": the late stages changed " << figure;
      }
    }
    movesFramed += framework;
    movesLate += late;
  }

 private:
  naming::FigureLayerRow layer_ = [] {
    naming::FigureLayerRow row;
    row.fill(naming::kNoFigure);
    return row;
  }();
};

TEST(StageLists, TheListsOfStagesPassedOverHoldOnEveryMoveOfRealGames) {
  StageListsCheck check;
  GameRecord record;
  Board board;
  const int games = forEachCorpusGame("pro", 25, [&](const fs::path& path, const std::u16string& text) {
    ReadOptions options;
    readSgf(record, text, options);
    SetBoardSize(board, record.boardSize);
    check.game = path.filename().string();
    ReplayFrom(board, record.lineCopy, 0, {&check});
  });
  if (games == 0) GTEST_SKIP() << "no corpus";
  EXPECT_GT(check.movesFramed, check.moves / 20) << "the sample reaches the framework stage's figures";
  EXPECT_GT(check.movesLate, check.moves / 20) << "and the late stages'";
}

}  // namespace
}  // namespace mokuza::test
