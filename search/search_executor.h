#pragma once
// Who runs the workers of a search: threads of their own, one per core, or
// the caller's thread, one worker after another (the headless tests, which
// then see the same work done in a known order).

#include <functional>
#include <thread>
#include <vector>

namespace mokuza::search {

class SearchExecutor {
 public:
  virtual ~SearchExecutor() = default;
  // How many workers a search gets at most.
  virtual int workers() const = 0;
  // Starts work() `count` times. The threads returned join when destroyed;
  // none are returned when the work ran before the call returned.
  virtual std::vector<std::jthread> start(int count, const std::function<void()>& work) const = 0;
};

// Whether the workers yield to the thread that started them: a window's
// search does, so a step key shows its picture while it runs.
enum class WorkerPriority { Same, Lower };

class ThreadExecutor final : public SearchExecutor {
 public:
  explicit ThreadExecutor(int threads, WorkerPriority priority = WorkerPriority::Same);
  int workers() const override { return threads_; }
  std::vector<std::jthread> start(int count, const std::function<void()>& work) const override;

 private:
  int threads_;
  WorkerPriority priority_;
};

class SynchronousExecutor final : public SearchExecutor {
 public:
  int workers() const override { return 1; }
  std::vector<std::jthread> start(int count, const std::function<void()>& work) const override;
};

// The cores the machine offers, at least 1.
int coreCount();

}  // namespace mokuza::search
