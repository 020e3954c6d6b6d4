#include "search/search_executor.h"

#include <algorithm>

#include "platform/thread_priority.h"

namespace mokuza::search {

ThreadExecutor::ThreadExecutor(int threads, WorkerPriority priority)
    : threads_(std::max(threads, 1)), priority_(priority) {}

std::vector<std::jthread> ThreadExecutor::start(int count, const std::function<void()>& work) const {
  std::vector<std::jthread> threads;
  threads.reserve(static_cast<std::size_t>(std::max(count, 0)));
  const bool lower = priority_ == WorkerPriority::Lower;
  for (int i = 0; i < count; ++i)
    threads.emplace_back([work, lower] {
      if (lower) platform::yieldToForegroundThreads();
      work();
    });
  return threads;
}

std::vector<std::jthread> SynchronousExecutor::start(int count, const std::function<void()>& work) const {
  for (int i = 0; i < count; ++i) work();
  return {};
}

int coreCount() { return std::max(static_cast<int>(std::thread::hardware_concurrency()), 1); }

}  // namespace mokuza::search
