#pragma once
// The music of one stone fade layer, kept with the layer by whoever draws it.

#include <cstdint>

namespace mokuza::playback {

struct FadeNote {
  int channel = -1;  // -1: no free channel, the fade is silent
  std::uint8_t note = 0;
  int kind = 0;
  int frames = 0;  // the fade's length in timer ticks
  int volume = 0;  // the expression last sent
};

}  // namespace mokuza::playback
