#include <gtest/gtest.h>

#include "core/document/design_fields.h"
#include "playback/music_mode.h"
#include "playlist/list_games.h"
#include "render/geometry_inputs.h"
#include "tests/app/app_test_support.h"

namespace mokuza::test {
namespace {

// Three short corpus games in a playlist, shown by the window's timer alone:
// a tick, then the paint the window owes when it was invalidated.
class ShowTest : public AppTest {
 protected:
  void SetUp() override {
    app->doc.globalOptions[GlobalOption::UpdateTime] = 10;
    std::vector<std::u16string> paths;
    for (const char* name :
         {"aeb__9x9_nhk-newyear2002-1.sgf", "aeb__9x9_ohashi-vs-zen_OZ2.sgf", "fuego__9x9_zen-vs-pro-1.sgf"}) {
      fs::copy_file(fs::path(MOKUZA_CORPUS_DIR) / "variety" / name, folder / name);
      paths.push_back(pathToText(folder / name));
    }
    PlaylistContext context = app->playlistContext();
    ASSERT_EQ(createPlaylistAt(context, pathToText(folder / "show.gpl")), ListOutcome::Done);
    ASSERT_EQ(addGames(context, paths), ListOutcome::Done);
    // 3 ticks a move and its fade; a pause of 5 ticks after a game; no loop.
    for (PlaylistEntry& entry : app->playlist.entries)
      for (auto [field, value] : {std::pair{DesignField::AutoSpeed, 30},
                                  {DesignField::MoveFadeTime, 30},
                                  {DesignField::HamaFadeTime, 40},
                                  {DesignField::LoopTime, -20}})
        setDesignValue(entry, field, value);
    app->layout.client = {640, 480};
    app->layout.geometry = render::ComputeBoardGeometry(
        render::designGeometryInputs(app->playlist.entries[0], 9, render::WindowLayout{640, 480, 0, 0, 1}));
    app->paint();
  }
  void tick() {
    const int before = window.invalidations;
    app->onTimer();
    ++ticks;
    if (window.invalidations > before) app->paint();
  }
  // Ticks until the shown move or game changes; false when auto-play ended first.
  bool nextMove(int limit = 200) {
    const std::pair shown{app->playlist.currentGameIndex, app->doc.currentMove()};
    for (int i = 0; i < limit && app->playback.autoPlay.running(); ++i) {
      tick();
      if (std::pair{app->playlist.currentGameIndex, app->doc.currentMove()} != shown) return true;
    }
    return false;
  }
  // The opacities of the layers of `kind` at point p, in their order.
  std::vector<int> alphas(int p, int kind) {
    std::vector<int> found;
    if (auto it = app->painter.fades().queues().find(p); it != app->painter.fades().queues().end())
      for (const render::FadeLayer& layer : it->second.layers)
        if (layer.kind == kind) found.push_back(render::fadeLayerAlpha(layer));
    return found;
  }
  int ticks = 0;
};

TEST_F(ShowTest, EveryMoveOfEveryGameFadesInInOrderAndTheShowStopsAfterTheLastGame) {
  playback::startPlaylistAutoPlay(app->playback);
  std::string trace, expected;
  int lastTick = 0, lastGame = 0, captures = 0;
  do {
    const int game = app->playlist.currentGameIndex, move = app->doc.currentMove();
    const int gap = ticks - lastTick;
    lastTick = ticks;
    trace += std::to_string(game) + ":" + std::to_string(move) + " ";
    if (game != lastGame) {
      for (int m = move; m <= app->doc.moveCount(); ++m)
        expected += std::to_string(game) + ":" + std::to_string(m) + " ";
      EXPECT_TRUE(lastGame == 0 || gap >= 3 + 5) << "the last move's wait and the pause come between games";
      lastGame = game;
      continue;
    }
    // The first move waits for the new game's cross-fade; each later one
    // comes 3 ticks after the last: the showing tick's paint is the first frame of the wait.
    EXPECT_TRUE(move == 1 ? gap >= 51 : gap == 3) << trace;
    const auto& was = app->doc.board.history.boardGrids[static_cast<std::size_t>(move - 1)].stones;
    const auto& now = app->doc.shownPosition.boardGrid.stones;
    for (int p = 0; p < 81; ++p)
      if (was[RecordPoint{p}] != 0 && now[RecordPoint{p}] == 0) {
        EXPECT_EQ(alphas(p, render::kFadeCaptureOut).size() + alphas(p, render::kFadeCaptureHalf).size(), 2u);
        ++captures;
      }
    const MoveRecord& record = app->doc.record().lineCopy[static_cast<std::size_t>(move)];
    if (!record.hasMove() || record.point >= 81) continue;  // a pass or a node without a move
    const int point = record.point;
    EXPECT_EQ(alphas(point, render::kFadeMoveIn), std::vector<int>{85}) << trace;
    tick();
    EXPECT_EQ(alphas(point, render::kFadeMoveIn), std::vector<int>{170}) << "the stone grows more opaque";
  } while (nextMove());
  EXPECT_EQ(trace, expected);
  EXPECT_GT(captures, 0);
  EXPECT_FALSE(app->playback.autoPlay.running());
  EXPECT_EQ(app->playlist.currentGameIndex, 3);
}

}  // namespace
}  // namespace mokuza::test
