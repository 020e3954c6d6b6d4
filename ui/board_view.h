#pragma once
// The board: shows the picture the application composed and forwards the
// mouse. Painting only copies the picture, so an expose never advances a
// fade or a wait.

#include <QImage>
#include <QWidget>
#include <functional>

#include "app/input_events.h"

namespace mokuza::app {
class Application;
}

namespace mokuza::ui {

class BoardView : public QWidget {
 public:
  explicit BoardView(QWidget& parent);

  void attach(app::Application& app) { app_ = &app; }
  // The picture to copy, in device pixels; it stays the application's (no
  // copy, so drawing into it again costs no detach).
  void setPicture(const QImage& picture) { picture_ = &picture; }
  // Runs once, after the next paint that shows a picture.
  void afterNextPaint(std::function<void()> action) { afterPaint_ = std::move(action); }
  // Device pixels per widget pixel.
  double ratio() const { return devicePixelRatioF(); }
  app::MousePos devicePosition(QPointF position) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void forwardButton(const QMouseEvent& event, bool down);

  app::Application* app_ = nullptr;
  const QImage* picture_ = nullptr;
  std::function<void()> afterPaint_;
  int wheelRemainder_ = 0;  // eighths of a degree short of a whole notch
};

}  // namespace mokuza::ui
