#include <gtest/gtest.h>

#include <array>
#include <tuple>
#include <vector>

#include "render/colour_matrix.h"
#include "render/fade_queue.h"
#include "render/last_move.h"
#include "render/soft_disc.h"

namespace mokuza::render {
namespace {

std::uint32_t grey(std::uint32_t v) { return 0xff000000u | v << 16 | v << 8 | v; }
int red(std::uint32_t c) { return static_cast<int>((c >> 16) & 0xff); }
int green(std::uint32_t c) { return static_cast<int>((c >> 8) & 0xff); }
int alpha(std::uint32_t c) { return static_cast<int>(c >> 24); }

TEST(ColourMatrixTest, TintZeroLeavesPixelsUnchanged) {
  for (double b : {0.0, 60.0, 250.0})
    for (std::uint32_t c : {0xff000000u, 0x80123456u, 0xffffffffu, 0xff7f3f1fu})
      EXPECT_EQ(applyColourMatrix(TintMatrix(0, b), c), c);
  EXPECT_EQ(applyColourMatrix(TintMatrix(9, 100), 0xff336699u), 0xff336699u);
}

TEST(ColourMatrixTest, RedTintReddensADarkImageMoreThanALightOne) {
  const std::uint32_t dark = grey(60), light = grey(200);
  const std::uint32_t darkOut = applyColourMatrix(TintMatrix(3, 60), dark);
  const std::uint32_t lightOut = applyColourMatrix(TintMatrix(3, 200), light);
  EXPECT_GT(red(darkOut), 60);
  EXPECT_LT(green(darkOut), 60);
  EXPECT_GT(static_cast<double>(red(darkOut)) / 60, static_cast<double>(red(lightOut)) / 200);
  EXPECT_GT(red(lightOut), 200);
}

TEST(ColourMatrixTest, OffsetsAndAlphaScale) {
  std::uint32_t c = applyColourMatrix(kTextLight, grey(0));
  EXPECT_EQ(red(c), 128);  // half of the light text is the fixed offset
  ColourMatrix m = kIdentityMatrix;
  scaleAlpha(m, 128.0f / 255 * 0.5f);  // "黒石透明度" 128 and the preview factor
  EXPECT_NEAR(alpha(applyColourMatrix(m, grey(30))), 64, 1);
  EXPECT_NEAR(BrightFactor(0), 1.7, 1e-9);
  EXPECT_GT(BrightFactor(20), BrightFactor(230));
}

TEST(ColourMatrixTest, PairGoPlayersAndDigits) {
  // {colour, move, change, player}: with change 1 the four players are moves 1, 2, 3, 4 of every four;
  // a change below 1 counts as 1.
  const std::array<int, 4> players[] = {{1, 1, 1, 0}, {-1, 2, 1, 1}, {1, 3, 1, 2},  {-1, 4, 1, 3},
                                        {1, 5, 1, 0}, {1, 4, 2, 0},  {-1, 8, 2, 3}, {1, 5, 0, 0}};
  for (const auto& [colour, move, change, player] : players)
    EXPECT_EQ(PairGoPlayer(colour, move, change), player) << move << " " << change;
  for (int digit = 0; digit < 4; ++digit) EXPECT_EQ(PairGoDigit(3210, digit), digit);
}

TEST(SoftDiscTest, CentreRimAndCorner) {
  const int size = 31;
  std::vector<std::uint32_t> pixels(size * size, 0xffffffffu);
  MakeSoftDisc(pixels.data(), size, 3.5);
  const auto at = [&](int x, int y) { return alpha(pixels[static_cast<std::size_t>(y * size + x)]); };
  EXPECT_EQ(at(15, 15), 255);
  EXPECT_EQ(at(15, 0), 78);  // r = 32: (30.07 - 32 + 3.5) * 50 = 78.5
  EXPECT_LE(at(0, 0), 1);
  EXPECT_EQ(at(0, 15), at(15, 0));
  MakeSoftDisc(nullptr, 0, 1.5);
}

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
    EXPECT_EQ(LastMoveTest(c.option, c.move, c.context), c.marked) << c.option << " " << c.move;
}

TEST(FadeQueueTest, FramesAlphaAndDropping) {
  // At least one frame, and a zero period counts as one millisecond.
  EXPECT_EQ(std::tuple(FadeFrameCount(1000, 10), FadeFrameCount(5, 10), FadeFrameCount(1000, 0)),
            std::tuple(100, 1, 1000));
  FadeTimes times{300, 200, 50, 10};
  EXPECT_EQ((std::array{FadeFramesForKind(kFadeMoveIn, times), FadeFramesForKind(kFadeCaptureOut, times),
                        FadeFramesForKind(kFadeCaptureHalf, times), FadeFramesForKind(kFadeChange, times)}),
            (std::array{30, 20, 10, 5}));

  FadeQueues queues;
  queues.add(7, kFadeCaptureOut, times);
  queues.add(7, kFadeCaptureHalf, times);
  ASSERT_EQ(queues.queues().at(7).layers.size(), 2u);
  EXPECT_EQ(queues.queues().at(7).layers[0].kind, kFadeCaptureOut);
  FadeLayer& half = queues.queues().at(7).layers[1];
  half.remaining = 5;
  const int halfWay = FadeLayerAlpha(half);
  half.remaining = 0;
  EXPECT_EQ(std::pair(halfWay, FadeLayerAlpha(half)), std::pair(127, 255));
  queues.dropFinished();
  EXPECT_EQ(queues.queues().at(7).layers.size(), 1u);
  queues.queues().at(7).layers[0].remaining = 0;
  queues.dropFinished();
  EXPECT_TRUE(queues.empty());
}

}  // namespace
}  // namespace mokuza::render
