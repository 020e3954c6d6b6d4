#pragma once
// SIGTERM, SIGHUP and SIGINT (a logout, a session manager, kill, Ctrl+C)
// end the program through the event loop: the handler only writes a byte
// into a pipe, and the loop reads it and runs the close.

#include <QObject>
#include <QSocketNotifier>
#include <functional>
#include <memory>

namespace mokuza::ui {

class SignalClose : public QObject {
 public:
  // Installs the handlers; `onSignal` runs in the event loop, once.
  explicit SignalClose(std::function<void()> onSignal);
  ~SignalClose() override;
  SignalClose(const SignalClose&) = delete;
  SignalClose& operator=(const SignalClose&) = delete;

 private:
  int pipe_[2] = {-1, -1};
  std::unique_ptr<QSocketNotifier> notifier_;
  std::function<void()> onSignal_;
};

}  // namespace mokuza::ui
