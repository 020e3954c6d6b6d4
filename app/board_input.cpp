#include "app/board_input.h"

namespace mokuza::app {

void BoardInput(Application&, const BoardInputEvent&) {}

}  // namespace mokuza::app
