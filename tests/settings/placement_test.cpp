// Window rectangles saved on one monitor and placed on another.

#include <gtest/gtest.h>

#include <climits>

#include "settings_test_support.h"

namespace mokuza {
namespace {

TEST(FitRectToMonitor, ScalesToTheWorkAreaOfTheNearestMonitor) {
  EXPECT_EQ(fitRectToMonitor({960, 0, 1920, 1080}, 1920, 1080, {0, 0, 1280, 720}), (Rect{640, 0, 1280, 720}));
  EXPECT_EQ(fitRectToMonitor({2880, 0, 3840, 1080}, 1920, 1080, {1920, 0, 3200, 720}), (Rect{2560, 0, 3200, 720}));
  EXPECT_EQ(fitRectToMonitor({960, 540, 1920, 1080}, 0, 1080, {0, 0, 1280, 720}), (Rect{960, 360, 1920, 720}))
      << "an axis saved without size is left alone";
  EXPECT_EQ(fitRectToMonitor({INT_MIN, INT_MIN, INT_MAX, INT_MAX}, 1, 1, {0, 0, 1920, 1080}),
            (Rect{INT_MIN, INT_MIN, INT_MAX, INT_MAX}));

  // The nearest monitor is the one overlapped most, else the closest.
  const ScreenInfo screen{1920, 1080, {{0, 0, 1920, 1040}, {1920, 0, 3200, 720}}};
  for (const auto& [rect, area] :
       {std::pair(Rect{1800, 0, 2400, 500}, 1), {Rect{4000, 100, 4500, 500}, 1}, {Rect{-900, 2000, -100, 2500}, 0}})
    EXPECT_EQ(nearestWorkArea(screen, rect), screen.workAreas[static_cast<std::size_t>(area)]);
  EXPECT_EQ(nearestWorkArea(ScreenInfo{1366, 768, {}}, {0, 0, 10, 10}), (Rect{0, 0, 1366, 768}));
}

TEST(WindowPlacement, WindowsThatCannotBeReachedAreBroughtBackAndCapturedOnesScaled) {
  const ScreenInfo screen{1920, 1080, {{0, 40, 1920, 1080}}};
  GlobalOptions options{{{"monitor_width", 1920},
                         {"monitor_height", 1040},
                         {"main_window_left", 5000},
                         {"main_window_top", 100},
                         {"main_window_right", 5800},
                         {"main_window_bottom", 700},
                         {"pl_window_left", -3000},
                         {"pl_window_right", -2000},
                         {"pl_window_bottom", 5000}}};
  const WindowPlacement placement = placeWindows(options, screen);
  EXPECT_EQ(placement.main, (Rect{0, 40, 800, 640}));
  EXPECT_EQ(placement.playlist, (Rect{0, 40, 1000, 1080})) << "no larger than the work area";
  EXPECT_EQ(placement.eventList, (Rect{0, 0, 0, 0})) << "an empty list window is sized by its window";
  options[GlobalOption::MainWindowRight] = options[GlobalOption::MainWindowLeft];
  EXPECT_EQ(placeWindows(options, screen).main, (Rect{96, 118, 1824, 1002})) << "no area: most of the work area";

  // Captured rectangles come back scaled to the screen of now.
  captureWindowPlacement(options, {{960, 0, 1920, 1080}, Rect{0, 0, 480, 1080}, std::nullopt},
                         {1920, 1080, {{0, 0, 1920, 1080}}});
  EXPECT_FALSE(options.values.contains("ev_window_left")) << "a window that does not exist keeps its values";
  const WindowPlacement small = placeWindows(options, {1280, 720, {{0, 0, 1280, 720}}});
  EXPECT_EQ(std::pair(small.main, small.playlist), std::pair(Rect{640, 0, 1280, 720}, Rect{0, 0, 320, 720}));
}

// Extreme or tiny rectangles give a main window of a usable size on the screen:
// at least three eighths of the work area, at most all of it.
TEST(WindowPlacement, AMainWindowIsNeitherUselesslySmallNorLargerThanItsScreen) {
  const ScreenInfo screen{1920, 1080, {{0, 0, 1920, 1040}}};
  for (const auto& [saved, placed] : {std::pair{Rect{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, Rect{0, 0, 1920, 1040}},
                                      {Rect{100, 100, 340, 277}, Rect{100, 100, 820, 490}},
                                      {Rect{100, 50, 900, 650}, Rect{100, 50, 900, 650}}}) {
    GlobalOptions options{{{"monitor_width", 1920}, {"monitor_height", 1040}}};
    options[GlobalOption::MainWindowLeft] = saved.left;
    options[GlobalOption::MainWindowTop] = saved.top;
    options[GlobalOption::MainWindowRight] = saved.right;
    options[GlobalOption::MainWindowBottom] = saved.bottom;
    EXPECT_EQ(placeWindows(options, screen).main, placed);
  }
}

// A first start on a laptop screen opens on most of its work area.
TEST(WindowPlacement, FirstStartFillsMostOfTheScreen) {
  for (const ScreenInfo& screen : {ScreenInfo{1366, 768, {{0, 0, 1366, 740}}}, ScreenInfo{1280, 800, {{0, 0, 1280, 770}}},
                                   ScreenInfo{1024, 768, {}}}) {
    GlobalOptions options;
    setMainWindowDefaults(options, screen);
    const Rect main = placeWindows(options, screen).main;
    const Rect area = nearestWorkArea(screen, main);
    EXPECT_GE(main.width() * 10, area.width() * 8) << screen.width;
    EXPECT_GE(main.height() * 4, area.height() * 3) << screen.width;
    EXPECT_TRUE(main.left >= area.left && main.top >= area.top && main.right <= area.right &&
                main.bottom <= area.bottom)
        << screen.width;
  }
}

}  // namespace
}  // namespace mokuza
