#include "app/show.h"

#include "app/pointer.h"

namespace mokuza::app {

void connectPlayback(Application&) {}

const QImage& Application::paint() { return paintState.window; }

void Application::onTimer() { holdTimerTick(*this); }

}  // namespace mokuza::app
