#include "app/application.h"

namespace mokuza::app {

Key letterKey(char letter) {
  if (letter >= 'a' && letter <= 'z') letter = static_cast<char>(letter - 'a' + 'A');
  if (letter < 'A' || letter > 'Z') return Key::Other;
  return static_cast<Key>(static_cast<int>(Key::A) + (letter - 'A'));
}

void Application::onKeyDown(const KeyEvent&) {}
void Application::onKeyUp(const KeyEvent&) {}
void Application::ShortcutKeys(const KeyEvent&, int, int) {}

}  // namespace mokuza::app
