#include "settings/placement.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <string>

namespace mokuza {
namespace {

int clampToInt(std::int64_t value) {
  return static_cast<int>(
      std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// Maps one axis: offset from the origin and length, each scaled by now / saved.
void scaleAxis(int& low, int& high, int origin, int saved, int now) {
  if (saved <= 0) return;
  const std::int64_t offset = static_cast<std::int64_t>(low) - origin;
  const std::int64_t length = static_cast<std::int64_t>(high) - low;
  const std::int64_t newLow = origin + offset * now / saved;
  low = clampToInt(newLow);
  high = clampToInt(std::int64_t{low} + length * now / saved);
}

std::int64_t overlap(const Rect& a, const Rect& b) {
  const std::int64_t w = std::min<std::int64_t>(a.right, b.right) - std::max<std::int64_t>(a.left, b.left);
  const std::int64_t h = std::min<std::int64_t>(a.bottom, b.bottom) - std::max<std::int64_t>(a.top, b.top);
  return w > 0 && h > 0 ? w * h : 0;
}

std::int64_t gap(const Rect& a, const Rect& b) {
  const std::int64_t dx = std::max<std::int64_t>({0, std::int64_t{b.left} - a.right, std::int64_t{a.left} - b.right});
  const std::int64_t dy = std::max<std::int64_t>({0, std::int64_t{b.top} - a.bottom, std::int64_t{a.top} - b.bottom});
  return dx * dx + dy * dy;
}

// The options of a window rectangle: left, top, right, bottom.
using RectOptions = std::array<GlobalOption, 4>;
constexpr RectOptions kMainWindow{GlobalOption::MainWindowLeft, GlobalOption::MainWindowTop,
                                  GlobalOption::MainWindowRight, GlobalOption::MainWindowBottom};
constexpr RectOptions kPlaylistWindow{GlobalOption::PlaylistWindowLeft, GlobalOption::PlaylistWindowTop,
                                      GlobalOption::PlaylistWindowRight, GlobalOption::PlaylistWindowBottom};
constexpr RectOptions kEventWindow{GlobalOption::EventWindowLeft, GlobalOption::EventWindowTop,
                                   GlobalOption::EventWindowRight, GlobalOption::EventWindowBottom};

Rect optionRect(const GlobalOptions& options, const RectOptions& sides) {
  return {option(options, sides[0]), option(options, sides[1]), option(options, sides[2]), option(options, sides[3])};
}

void storeRect(GlobalOptions& options, const RectOptions& sides, const Rect& rect) {
  options[sides[0]] = rect.left;
  options[sides[1]] = rect.top;
  options[sides[2]] = rect.right;
  options[sides[3]] = rect.bottom;
}

// A window with area that lies wholly outside its work area cannot be reached
// with the mouse; it is moved to the work area's origin, no larger than it.
Rect keepReachable(Rect rect, const Rect& workArea) {
  if (rect.width() <= 0 || rect.height() <= 0 || overlap(rect, workArea) > 0) return rect;
  const std::int64_t width = std::min(rect.width(), workArea.width());
  const std::int64_t height = std::min(rect.height(), workArea.height());
  return {workArea.left, workArea.top, clampToInt(workArea.left + width), clampToInt(workArea.top + height)};
}

// The default main window: most of the area, centred on it.
Rect mostOf(const Rect& area) {
  const std::int64_t width = area.width() * 9 / 10, height = area.height() * 17 / 20;
  const std::int64_t left = area.left + (area.width() - width) / 2, top = area.top + (area.height() - height) / 2;
  return {clampToInt(left), clampToInt(top), clampToInt(left + width), clampToInt(top + height)};
}

// A restored main window is at least three eighths of its work area on each
// axis, so that a damaged or extreme rectangle still gives a usable window,
// and no larger than the work area.
Rect usableSize(const Rect& rect, const Rect& workArea) {
  const std::int64_t width =
      std::clamp(rect.width(), workArea.width() * 3 / 8, std::max<std::int64_t>(workArea.width(), 1));
  const std::int64_t height =
      std::clamp(rect.height(), workArea.height() * 3 / 8, std::max<std::int64_t>(workArea.height(), 1));
  return {rect.left, rect.top, clampToInt(std::int64_t{rect.left} + width), clampToInt(std::int64_t{rect.top} + height)};
}

Rect fitted(const GlobalOptions& options, const RectOptions& sides, const ScreenInfo& screen) {
  const Rect saved = optionRect(options, sides);
  const Rect workArea = nearestWorkArea(screen, saved);
  const Rect rect = fitRectToMonitor(saved, option(options, GlobalOption::MonitorWidth),
                                     option(options, GlobalOption::MonitorHeight), workArea);
  return keepReachable(rect, workArea);
}

}  // namespace

Rect fitRectToMonitor(const Rect& saved, int savedWidth, int savedHeight, const Rect& workArea) {
  Rect rect = saved;
  scaleAxis(rect.left, rect.right, workArea.left, savedWidth, clampToInt(workArea.width()));
  scaleAxis(rect.top, rect.bottom, workArea.top, savedHeight, clampToInt(workArea.height()));
  return rect;
}

Rect nearestWorkArea(const ScreenInfo& screen, const Rect& rect) {
  if (screen.workAreas.empty()) return {0, 0, screen.width, screen.height};
  const Rect* best = &screen.workAreas.front();
  std::int64_t bestOverlap = -1;
  std::int64_t bestGap = std::numeric_limits<std::int64_t>::max();
  for (const Rect& area : screen.workAreas) {
    const std::int64_t shared = overlap(rect, area);
    const std::int64_t distance = gap(rect, area);
    if (shared > bestOverlap || (shared == 0 && bestOverlap == 0 && distance < bestGap)) {
      best = &area;
      bestOverlap = shared;
      bestGap = distance;
    }
  }
  return *best;
}

void captureWindowPlacement(GlobalOptions& options, const WindowSnapshot& windows, const ScreenInfo& screen) {
  storeRect(options, kMainWindow, windows.main);
  const Rect workArea = nearestWorkArea(screen, windows.main);
  options[GlobalOption::MonitorWidth] = clampToInt(workArea.width());
  options[GlobalOption::MonitorHeight] = clampToInt(workArea.height());
  if (windows.playlist) storeRect(options, kPlaylistWindow, *windows.playlist);
  if (windows.eventList) storeRect(options, kEventWindow, *windows.eventList);
}

void setMainWindowDefaults(GlobalOptions& options, const ScreenInfo& screen) {
  // Stored as measured on the work area of now, so placing it scales nothing.
  const Rect area = nearestWorkArea(screen, {0, 0, screen.width, screen.height});
  storeRect(options, kMainWindow, mostOf(area));
  options[GlobalOption::MonitorWidth] = clampToInt(area.width());
  options[GlobalOption::MonitorHeight] = clampToInt(area.height());
}

WindowPlacement placeWindows(const GlobalOptions& options, const ScreenInfo& screen) {
  WindowPlacement placement;
  placement.main = fitted(options, kMainWindow, screen);
  const Rect workArea = nearestWorkArea(screen, placement.main);
  if (placement.main.width() <= 0 || placement.main.height() <= 0) placement.main = mostOf(workArea);
  else placement.main = keepReachable(usableSize(placement.main, workArea), workArea);
  placement.playlist = fitted(options, kPlaylistWindow, screen);
  placement.eventList = fitted(options, kEventWindow, screen);
  return placement;
}

}  // namespace mokuza
