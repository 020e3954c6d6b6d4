#pragma once
// Window rectangles kept in the global options: what is saved at close and
// where the windows go at the next start, on whatever monitor is there then.

#include <cstdint>
#include <optional>
#include <vector>

#include "settings/options.h"

namespace mokuza {

struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;

  // Wide: a damaged file can hold the two extremes of a coordinate.
  std::int64_t width() const { return std::int64_t{right} - left; }
  std::int64_t height() const { return std::int64_t{bottom} - top; }
  bool operator==(const Rect&) const = default;
};

// The screen as the window layer measures it: the primary screen's size and
// the work area of every monitor.
struct ScreenInfo {
  int width = 1920;
  int height = 1080;
  std::vector<Rect> workAreas;
};

// The windows as they stand when the settings are written.
struct WindowSnapshot {
  Rect main;                     // normal position, not minimised or maximised
  std::optional<Rect> playlist;  // absent when the window does not exist
  std::optional<Rect> eventList;
};

// Where the windows go after the settings were read; the list windows are
// placed hidden and shown by their own show states.
struct WindowPlacement {
  Rect main;
  Rect playlist;
  Rect eventList;
  bool operator==(const WindowPlacement&) const = default;
};

// Rescales a rectangle saved on a work area of savedWidth × savedHeight to
// the given work area: its offset from the work area's origin and its size
// are scaled on each axis. An axis whose saved size is 0 or less is left
// unscaled.
Rect fitRectToMonitor(const Rect& saved, int savedWidth, int savedHeight, const Rect& workArea);

// The work area of the monitor nearest to a rectangle: the one it overlaps
// most, else the closest; the whole screen when no monitor is known.
Rect nearestWorkArea(const ScreenInfo& screen, const Rect& rect);

// Stores the rectangles and the size of the main window's work area in the
// options, as they are written at close.
void captureWindowPlacement(GlobalOptions& options, const WindowSnapshot& windows, const ScreenInfo& screen);

// Before a settings file is read: the main window centred on the primary
// work area, nine tenths of it wide and seventeen twentieths high.
void setMainWindowDefaults(GlobalOptions& options, const ScreenInfo& screen);

// The rectangles of the options fitted to the monitors of now. A main window
// without area gets the default rectangle, one of another size is kept
// between three eighths of its work area and all of it, and a window left wholly
// off its monitor is brought back onto it.
WindowPlacement placeWindows(const GlobalOptions& options, const ScreenInfo& screen);

}  // namespace mokuza
