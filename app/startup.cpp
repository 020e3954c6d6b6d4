#include "app/startup.h"

namespace mokuza::app {

void connectDocumentHooks(Application&) {}
bool saveSettings(Application&) { return false; }
OpenOutcome openPath(Application& app, const std::u16string& path) { return openGameFile(app.doc, app.services, path); }
void Application::start(const std::vector<std::u16string>&) {}
bool Application::requestClose() { return true; }
void Application::onDrop(const std::vector<std::u16string>&, MousePos) {}

}  // namespace mokuza::app
