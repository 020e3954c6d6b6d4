#pragma once
// Local times as the playlist and the history log write them, from the
// services' clock.

#include <ctime>
#include <string>

#include "platform/services.h"

namespace mokuza {

// strftime of the given local time; "%Y%m%d%H%M%S" is the form of stored dates.
std::u16string formatTime(const std::tm& local, const char* format);
std::u16string localTimeText(platform::Services& services, const char* format = "%Y%m%d%H%M%S");

}  // namespace mokuza
