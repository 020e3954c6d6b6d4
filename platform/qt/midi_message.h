#pragma once
// A short MIDI message as the program packs it: status in the low byte, then
// the two data bytes.

#include <cstdint>

namespace mokuza::platform {

struct ShortMessage {
  std::uint8_t status = 0;
  std::uint8_t data1 = 0;
  std::uint8_t data2 = 0;

  std::uint8_t kind() const { return status & 0xF0; }
  int channel() const { return status & 0x0F; }
  // Bytes on the wire: program change and channel pressure carry one data
  // byte; a status below 0x80 or a system message is no channel message.
  int length() const {
    if (status < 0x80 || kind() == 0xF0) return 0;
    return kind() == 0xC0 || kind() == 0xD0 ? 2 : 3;
  }
};

inline ShortMessage unpackShortMessage(std::uint32_t message) {
  return {static_cast<std::uint8_t>(message & 0xFF), static_cast<std::uint8_t>((message >> 8) & 0x7F),
          static_cast<std::uint8_t>((message >> 16) & 0x7F)};
}

}  // namespace mokuza::platform
