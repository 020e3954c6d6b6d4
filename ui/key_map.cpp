#include "ui/key_map.h"

namespace mokuza::ui {

app::Modifiers modifiersFrom(Qt::KeyboardModifiers modifiers) {
  app::Modifiers m;
  m.ctrl = modifiers.testFlag(Qt::ControlModifier);
  m.shift = modifiers.testFlag(Qt::ShiftModifier);
  m.alt = modifiers.testFlag(Qt::AltModifier);
  // Qt names the system key (Super, the Windows key) Meta on X11 and Wayland.
  m.meta = modifiers.testFlag(Qt::MetaModifier);
  return m;
}

app::Key keyFrom(int qtKey) {
  using app::Key;
  if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return app::letterKey(static_cast<char>('A' + (qtKey - Qt::Key_A)));
  switch (qtKey) {
    case Qt::Key_Backspace: return Key::Backspace;
    case Qt::Key_Return:
    case Qt::Key_Enter: return Key::Enter;
    case Qt::Key_Shift: return Key::Shift;
    case Qt::Key_Control: return Key::Control;
    case Qt::Key_Delete: return Key::Delete;
    case Qt::Key_Escape: return Key::Escape;
    case Qt::Key_Space: return Key::Space;
    case Qt::Key_Left: return Key::Left;
    case Qt::Key_Right: return Key::Right;
    case Qt::Key_Up: return Key::Up;
    case Qt::Key_Down: return Key::Down;
    case Qt::Key_F1: return Key::F1;
    case Qt::Key_F11: return Key::F11;
    // "?" is Shift+"/" on Japanese and US layouts alike; Qt reports the character.
    case Qt::Key_Question: return Key::Question;
    case Qt::Key_Slash: return Key::Slash;
    default: return Key::Other;
  }
}

app::KeyEvent keyEventFrom(const QKeyEvent& event) {
  app::KeyEvent e;
  e.key = keyFrom(event.key());
  e.modifiers = modifiersFrom(event.modifiers());
  e.autoRepeat = event.isAutoRepeat();
  return e;
}

}  // namespace mokuza::ui
