#include "playlist/local_time.h"

#include "core/record/text.h"

namespace mokuza {

std::u16string formatTime(const std::tm& local, const char* format) {
  char buffer[128];
  const std::size_t length = std::strftime(buffer, sizeof buffer, format, &local);
  return utf8ToUtf16(std::string_view(buffer, length));
}

std::u16string localTimeText(platform::Services& services, const char* format) {
  return formatTime(services.localTime(services.now()), format);
}

}  // namespace mokuza
