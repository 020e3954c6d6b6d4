#pragma once
// Qt's keys and modifiers as the application's own codes.

#include <QKeyEvent>

#include "app/input_events.h"

namespace mokuza::ui {

app::Modifiers modifiersFrom(Qt::KeyboardModifiers modifiers);
// Key::Other for a key the application has no code for.
app::Key keyFrom(int qtKey);
app::KeyEvent keyEventFrom(const QKeyEvent& event);

}  // namespace mokuza::ui
