#include "app/commands.h"

namespace mokuza::app {

std::u16string_view commandName(std::u16string_view label) { return label.substr(0, label.find(u'(')); }
void toggleTerritoryMode(Application&) {}
void toggleListWindow(Application&, ListTab) {}
void refreshMenus(Application&) {}
void Application::DispatchCommand(int) {}

}  // namespace mokuza::app
