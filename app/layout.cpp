#include "app/layout.h"

#include "render/geometry_inputs.h"

namespace mokuza::app {

int textScale(const Application& app) { return option(app.doc.state.options, DocumentOption::TextSize) + 1; }
Size panelSize(int scale) { return scale == 2 ? Size{356, 636} : Size{162 * scale, 310 * scale}; }
void layoutWindow(Application&) {}
void applyTextSize(Application&) {}
void setStatusBarVisible(Application&) {}
void setMenuBarVisible(Application&) {}
void toggleFullScreen(Application&) {}
void togglePanelHidden(Application&) {}
void updateCursor(Application&) {}
void setWindowTitle(Application&) {}
int boardPointAt(const Application&, MousePos) { return -1; }
void Application::onSize(bool, bool) {}
void Application::onSizeMoveEnd() {}
void Application::onPanelTabChanged(int) {}

}  // namespace mokuza::app
