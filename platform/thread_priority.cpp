#include "platform/thread_priority.h"

#include <sys/resource.h>
#include <unistd.h>

namespace mokuza::platform {

void yieldToForegroundThreads() {
  // The nice value is the thread's own here: the window's thread keeps its priority.
  constexpr int kBackgroundNice = 10;
  (void)setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), kBackgroundNice);
}

}  // namespace mokuza::platform
