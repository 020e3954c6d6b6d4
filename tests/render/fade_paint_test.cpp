#include <tuple>

#include "render/board_surfaces.h"
#include "render/fade_frames.h"
#include "render/overlays.h"
#include "render_test_support.h"

namespace mokuza::render::test {
namespace {

constexpr std::u16string_view kGame = u"(;SZ[9];B[cc];W[gg];B[ce])";

class FadePaintTest : public PictureTest {
 protected:
  void SetUp() override {
    PictureTest::SetUp();
    load(kGame);
    paint();
    PaintFlags none;
    painter.Paint(window, state, g, QSize(640, 480), none, AutoPlayWait{});
  }

  PaintResult frame(AutoPlayWait& wait) {
    PaintFlags none;
    const PaintResult result = painter.Paint(window, state, g, QSize(640, 480), none, wait, &sound);
    wait.moveWaitTicks = result.moveWaitTicks;
    return result;
  }

  // Pixels that changed by more than the rounding of a blend.
  int changedInside(const QImage& before, const QRect& area) const {
    return countPixels(window, area, [&](QRgb b, int x, int y) {
      const QRgb a = before.pixel(x, y);
      return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b)) > 6;
    });
  }

  QImage window;
  int advanced = 0, removed = 0;
  FadeLayerSound sound{[this](int, FadeLayer&) { ++advanced; }, [this](FadeLayer&) { ++removed; }};
};

TEST_F(FadePaintTest, MoveTextGoesIntoTheInfoAreaOnTheFirstFrameOnly) {
  doc.globalOptions[GlobalOption::MoveInfo] = 1;
  const QImage before = window.copy();
  AutoPlayWait joined{3, 4, 10};  // a wait already under way
  EXPECT_TRUE(frame(joined).fadeFrame);
  EXPECT_EQ(changedInside(before, window.rect()), 0);

  AutoPlayWait wait{4, 4, 10};
  frame(wait);
  const int inBand = changedInside(before, moveTextBand(g));
  EXPECT_GT(inBand, 20);
  EXPECT_EQ(changedInside(before, window.rect()), inBand) << "nothing outside the band changes";
}

TEST_F(FadePaintTest, TimerPeriodFollowsTheQueues) {
  AutoPlayWait idle{5, 5, 10};
  PaintResult result = frame(idle);
  EXPECT_EQ(std::tuple(result.framesDrawn, result.period, result.moveWaitTicks), std::tuple(1, 40, 0))
      << "no queue: the rest of the wait in one period";

  painter.fades().add(40, kFadeMoveIn, FadeTimes{300, 300, 300, 10});
  AutoPlayWait wait{100, 100, 10};
  int paints = 0;
  do {
    result = frame(wait);
    ++paints;
    if (wait.moveWaitTicks > 0) {
      EXPECT_EQ(result.period, 10);
    }
  } while (wait.moveWaitTicks > 0 && paints < 200);
  EXPECT_EQ(paints, 30) << "one frame per paint";
  EXPECT_EQ(result.period, 700);
  EXPECT_TRUE(painter.fades().empty());
}

TEST_F(FadePaintTest, EveryAdvancingLayerSoundsInMusicModeOnly) {
  const FadeTimes times{30, 20, 30, 10};
  const auto playOut = [&] {
    painter.fades().add(40, kFadeMoveIn, times);
    painter.fades().add(10, kFadeCaptureOut, times);
    painter.fades().add(10, kFadeCaptureHalf, times);
    AutoPlayWait wait{50, 50, 10};
    while (!painter.fades().empty()) frame(wait);
  };
  playOut();
  EXPECT_EQ(advanced + removed, 0);
  doc.state.options[DocumentOption::MusicMode] = 1;
  playOut();
  EXPECT_EQ(std::pair(advanced, removed), std::pair(3 + 2 + 1, 3));
}

TEST_F(FadePaintTest, LayoutChangeRebuildsAndCancelsTheWait) {
  painter.fades().add(40, kFadeMoveIn, FadeTimes{});
  writeImage("gra/goban/goban.jpg", QColor(60, 200, 60));
  AutoPlayWait wait{5, 5, 10};
  PaintFlags flags;
  flags.layoutChanged = true;
  const PaintResult result = painter.Paint(window, state, g, QSize(640, 480), flags, wait, &sound);
  EXPECT_TRUE(!result.fadeFrame && result.moveWaitTicks == 0);
  EXPECT_FALSE(flags.layoutChanged || flags.rebuildImages) << "consumed by the paint";
  EXPECT_TRUE(painter.fades().empty());
  EXPECT_NEAR(qGreen(offCentre(window, 4, 1, g.boardLeft, g.boardTop)), 200, 8) << "the board image was read again";

  // A game transition in replay mode fades the new layout in from the plain background.
  state.gameTransition = true;
  doc.state.options[DocumentOption::ReplayMode] = 2;  // on at 1 or more
  flags.layoutChanged = true;
  painter.Paint(window, state, g, QSize(640, 480), flags, AutoPlayWait{}, &sound);
  EXPECT_EQ(offCentre(window, 4, 1, g.boardLeft, g.boardTop), kClientBackground.rgb());
}

}  // namespace
}  // namespace mokuza::render::test
