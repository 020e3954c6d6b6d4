#include "app/pointer.h"

namespace mokuza::app {

void holdTimerTick(Application& app) { app.killTimer(); }
void stepMove(Application&, int) {}
void Application::onMouseMove(MousePos, Modifiers) {}
void Application::onMouseLeave() {}
void Application::onLeftDown(MousePos, Modifiers) {}
void Application::onLeftUp(MousePos, Modifiers) {}
void Application::onRightDown(MousePos, Modifiers) {}
void Application::onRightUp(MousePos, Modifiers) {}
void Application::onMiddleDown(MousePos, Modifiers) {}
void Application::onMiddleUp(MousePos, Modifiers) {}
void Application::onLeftDoubleClick(MousePos, Modifiers) {}
void Application::onWheel(int, Modifiers) {}
void Application::onPanelCommand(int) {}

}  // namespace mokuza::app
