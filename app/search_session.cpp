#include "app/search_session.h"

namespace mokuza::app {

bool searchBoardClick(Application&, int) { return false; }

}  // namespace mokuza::app
