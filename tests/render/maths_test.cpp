#include <gtest/gtest.h>

#include <tuple>

#include "render/fade_queue.h"
#include "render/last_move.h"

namespace mokuza::render {
namespace {

TEST(LastMoveTestTest, OptionsChooseTheMove) {
  const LastMoveContext current{120, 80, 80, false}, replay{120, 80, 80, true}, end{120, 80, 120, false};
  const struct {
    int option, move;
    LastMoveContext context;
    bool marked;
  } cases[] = {
      {kLastMoveAllStones, 3, current, true},       {kLastMoveNone, 80, current, false},
      {kLastMoveCurrent, 80, current, true},        {kLastMoveCurrent, 79, current, false},
      {kLastMoveFinalPosition, 80, current, false},  // the last move is not played yet
      {kLastMoveEachFigure, 80, current, false},    {kLastMoveEachFigure, 80, replay, true},
      {kLastMoveFinalPosition, 120, end, true},     {kLastMoveCurrent, 0, {0, 0, 0, false}, false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(lastMoveTest(c.option, c.move, c.context), c.marked) << c.option << " " << c.move;
}

TEST(FadeQueueTest, AFadeHasAtLeastOneFrameAndAZeroPeriodCountsAsOneMillisecond) {
  EXPECT_EQ(std::tuple(fadeFrameCount(1000, 10), fadeFrameCount(5, 10), fadeFrameCount(1000, 0)),
            std::tuple(100, 1, 1000));
}

}  // namespace
}  // namespace mokuza::render
