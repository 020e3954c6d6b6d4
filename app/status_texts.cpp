#include "app/status_texts.h"

namespace mokuza::app {

std::u16string statusText(const Application&) { return {}; }
std::u16string gameInfoPageText(const Application&) { return {}; }
std::u16string moveInfoPageText(const Application&) { return {}; }
void refreshStatusText(Application&) {}

}  // namespace mokuza::app
