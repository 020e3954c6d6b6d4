#include "search/search_executor.h"

#include <algorithm>

namespace mokuza::search {

ThreadExecutor::ThreadExecutor(int threads) : threads_(std::max(threads, 1)) {}

std::vector<std::jthread> ThreadExecutor::start(int count, const std::function<void()>& work) const {
  std::vector<std::jthread> threads;
  threads.reserve(static_cast<std::size_t>(std::max(count, 0)));
  for (int i = 0; i < count; ++i) threads.emplace_back(work);
  return threads;
}

std::vector<std::jthread> SynchronousExecutor::start(int count, const std::function<void()>& work) const {
  for (int i = 0; i < count; ++i) work();
  return {};
}

int coreCount() { return std::max(static_cast<int>(std::thread::hardware_concurrency()), 1); }

}  // namespace mokuza::search
