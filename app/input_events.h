#pragma once
// Keys and mouse positions as the application receives them: its own key
// codes, so that nothing below the window knows the toolkit's.

#include <cstddef>
#include <cstdint>

namespace mokuza::app {

enum class Key : std::uint8_t {
  Other,
  Backspace,
  Enter,
  Shift,
  Control,
  Delete,
  Escape,
  Space,
  Left,
  Right,
  Up,
  Down,
  F1,
  F11,
  Question,
  Slash,
  A,
  B,
  C,
  D,
  E,
  F,
  G,
  H,
  I,
  J,
  K,
  L,
  M,
  N,
  O,
  P,
  Q,
  R,
  S,
  T,
  U,
  V,
  W,
  X,
  Y,
  Z,
};

inline constexpr std::size_t kKeyCount = static_cast<std::size_t>(Key::Z) + 1;

// The letter key for 'A'..'Z' (either case); Key::Other for anything else.
Key letterKey(char letter);

struct Modifiers {
  bool ctrl = false;
  bool shift = false;
  bool alt = false;
  bool meta = false;  // the system key
};

struct KeyEvent {
  Key key = Key::Other;
  Modifiers modifiers;
  bool autoRepeat = false;
};

// A window sending a key to the shortcuts: the main window, or a tab of the
// list window.
constexpr int kFromMainWindow = -1;

// Client coordinates of the main window in device pixels.
struct MousePos {
  int x = 0;
  int y = 0;
  bool operator==(const MousePos&) const = default;
};

}  // namespace mokuza::app
