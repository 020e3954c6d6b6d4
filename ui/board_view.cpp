#include "ui/board_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <cmath>
#include <utility>

#include "app/application.h"
#include "ui/key_map.h"

namespace mokuza::ui {
namespace {

// One notch of a mouse wheel in eighths of a degree.
constexpr int kNotch = 120;

}  // namespace

BoardView::BoardView(QWidget& parent) : QWidget(&parent) {
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

app::MousePos BoardView::devicePosition(QPointF position) const {
  return {static_cast<int>(std::floor(position.x() * ratio())), static_cast<int>(std::floor(position.y() * ratio()))};
}

void BoardView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const QRect area = event->rect();
  if (picture_ == nullptr || picture_->isNull()) {
    painter.fillRect(area, palette().window());
    return;
  }
  const double r = ratio();
  const QRect source(static_cast<int>(std::floor(area.x() * r)), static_cast<int>(std::floor(area.y() * r)),
                     static_cast<int>(std::ceil(area.width() * r)), static_cast<int>(std::ceil(area.height() * r)));
  painter.drawImage(QRectF(area), *picture_, QRectF(source));
  if (afterPaint_) std::exchange(afterPaint_, nullptr)();
}

void BoardView::mouseMoveEvent(QMouseEvent* event) {
  if (app_) app_->onMouseMove(devicePosition(event->position()), modifiersFrom(event->modifiers()));
}

void BoardView::mousePressEvent(QMouseEvent* event) { forwardButton(*event, true); }

void BoardView::mouseReleaseEvent(QMouseEvent* event) { forwardButton(*event, false); }

void BoardView::forwardButton(const QMouseEvent& event, bool down) {
  using Handler = void (app::Application::*)(app::MousePos, app::Modifiers);
  Handler handler = nullptr;
  switch (event.button()) {
    case Qt::LeftButton: handler = down ? &app::Application::onLeftDown : &app::Application::onLeftUp; break;
    case Qt::RightButton: handler = down ? &app::Application::onRightDown : &app::Application::onRightUp; break;
    case Qt::MiddleButton: handler = down ? &app::Application::onMiddleDown : &app::Application::onMiddleUp; break;
    default: return;
  }
  if (app_) (app_->*handler)(devicePosition(event.position()), modifiersFrom(event.modifiers()));
}

// The second press of a left double click is the double click alone; the
// other buttons have no double click and press again.
void BoardView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (!app_) return;
  if (event->button() == Qt::LeftButton)
    app_->onLeftDoubleClick(devicePosition(event->position()), modifiersFrom(event->modifiers()));
  else forwardButton(*event, true);
}

void BoardView::wheelEvent(QWheelEvent* event) {
  if (!app_) return;
  // Touchpads send small steps: they add up to whole notches.
  wheelRemainder_ += event->angleDelta().y();
  const int notches = wheelRemainder_ / kNotch;
  wheelRemainder_ -= notches * kNotch;
  if (notches != 0) app_->onWheel(notches, modifiersFrom(event->modifiers()));
}

void BoardView::leaveEvent(QEvent*) {
  if (app_) app_->onMouseLeave();
}

}  // namespace mokuza::ui
