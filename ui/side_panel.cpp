#include "ui/side_panel.h"

#include <QSignalBlocker>
#include <cmath>
#include <utility>

#include "app/layout.h"
#include "core/document/options.h"

namespace mokuza::ui {
namespace {

// The icon strip is 16 × s high; the panel starts below it.
constexpr int kPanelTopPerScale = 20;
constexpr int kRightEdgeLayout = 2;

int toWidget(int devicePixels, double ratio) { return static_cast<int>(std::lround(devicePixels / ratio)); }

}  // namespace

SidePanel::SidePanel(QWidget& parent, std::function<void(int)> tabChosen)
    : QTabWidget(&parent), tabChosen_(std::move(tabChosen)) {
  for (const char16_t* title : {u"ゲーム情報", u"着手情報", u"入力", u"設定"})
    addTab(new QWidget(this), QString::fromStdU16String(title));
  connect(this, &QTabWidget::currentChanged, [this](int page) { tabChosen_(page); });
}

void SidePanel::place(const app::Application& app, double ratio) {
  if (app.layout.panelHidden) {
    hide();
    return;
  }
  const int scale = app::textScale(app);
  if (scale != textScale_) rescale(scale);
  const app::Size size = app::panelSize(scale);
  const bool rightEdge = option(app.doc.state.options, DocumentOption::LayoutNo) == kRightEdgeLayout;
  const int left = rightEdge ? app.layout.client.width - size.width : 0;
  setGeometry(toWidget(left, ratio), toWidget(kPanelTopPerScale * scale, ratio), toWidget(size.width, ratio),
              toWidget(size.height, ratio));
  show();
}

void SidePanel::rescale(int textScale) {
  textScale_ = textScale;
  QFont scaled = font();
  scaled.setPixelSize(6 * textScale);
  setFont(scaled);
}

void SidePanel::selectPage(int page) {
  const QSignalBlocker quiet(this);
  setCurrentIndex(page);
}

}  // namespace mokuza::ui
