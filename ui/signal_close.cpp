#include "ui/signal_close.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <utility>

namespace mokuza::ui {
namespace {

constexpr std::array<int, 3> kSignals = {SIGTERM, SIGHUP, SIGINT};

// The one thing a signal handler can reach: the pipe's writing end, set
// before any handler is installed and cleared after they are removed.
constinit volatile sig_atomic_t signalPipe = -1;

extern "C" void onCloseSignal(int) {
  const int saved = errno;
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = ::write(signalPipe, &byte, 1);
  errno = saved;
}

}  // namespace

SignalClose::SignalClose(std::function<void()> onSignal) : onSignal_(std::move(onSignal)) {
  if (::pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0) return;
  signalPipe = pipe_[1];
  struct sigaction action {};
  action.sa_handler = onCloseSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signal : kSignals) ::sigaction(signal, &action, nullptr);
  notifier_ = std::make_unique<QSocketNotifier>(pipe_[0], QSocketNotifier::Read);
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, this, [this] {
    char bytes[16];
    while (::read(pipe_[0], bytes, sizeof bytes) > 0) {
    }
    if (!onSignal_) return;
    // A second signal while the close runs finds nothing left to do.
    const std::function<void()> run = std::exchange(onSignal_, nullptr);
    run();
  });
}

SignalClose::~SignalClose() {
  if (pipe_[0] < 0) return;
  for (int signal : kSignals) ::signal(signal, SIG_DFL);
  signalPipe = -1;
  notifier_.reset();
  ::close(pipe_[0]);
  ::close(pipe_[1]);
}

}  // namespace mokuza::ui
