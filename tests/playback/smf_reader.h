#pragma once
// A small, strict Standard MIDI File reader for the tests: it checks the
// chunks, the delta times, the length of every event and the end of every
// track, and gives the events back with absolute ticks.

#include <cstdint>
#include <string>
#include <vector>

namespace mokuza::test {

struct SmfEvent {
  std::int64_t tick = 0;
  std::string bytes;  // status (or FF type length) and data
  int byte(std::size_t i) const { return static_cast<std::uint8_t>(bytes[i]); }
};

struct SmfFile {
  int format = -1;
  int ticksPerQuarter = 0;
  std::vector<std::vector<SmfEvent>> tracks;
};

// The parsed file, or an error text saying where it broke.
struct SmfResult {
  SmfFile file;
  std::string error;
  bool ok() const { return error.empty(); }
};

inline SmfResult readSmf(const std::string& data) {
  SmfResult result;
  std::size_t pos = 0;
  auto fail = [&](const std::string& what) {
    result.error = what + " at byte " + std::to_string(pos);
    return result;
  };
  auto byte = [&](std::size_t at) { return static_cast<std::uint8_t>(data[at]); };
  auto big = [&](std::size_t at, int count) {
    std::uint32_t v = 0;
    for (int i = 0; i < count; ++i) v = (v << 8) | byte(at + static_cast<std::size_t>(i));
    return v;
  };
  if (data.size() < 14 || data.compare(0, 4, "MThd") != 0 || big(4, 4) != 6) return fail("no MThd header");
  result.file.format = static_cast<int>(big(8, 2));
  const std::uint32_t trackCount = big(10, 2);
  result.file.ticksPerQuarter = static_cast<int>(big(12, 2));
  pos = 14;
  if (result.file.format > 1 || (result.file.format == 0 && trackCount != 1)) return fail("bad format");
  for (std::uint32_t t = 0; t < trackCount; ++t) {
    if (pos + 8 > data.size() || data.compare(pos, 4, "MTrk") != 0) return fail("no MTrk");
    const std::size_t end = pos + 8 + big(pos + 4, 4);
    if (end > data.size()) return fail("track longer than the file");
    pos += 8;
    std::vector<SmfEvent> events;
    std::int64_t tick = 0;
    bool ended = false;
    while (pos < end) {
      if (ended) return fail("events after the end of track");
      std::uint32_t delta = 0;
      int length = 0;
      do {
        if (pos >= end || ++length > 4) return fail("bad delta");
        delta = (delta << 7) | (byte(pos) & 0x7F);
      } while (byte(pos++) & 0x80);
      tick += delta;
      if (pos >= end) return fail("delta without event");
      const std::uint8_t status = byte(pos);
      std::size_t size = 0;
      if (status == 0xFF) {
        if (pos + 3 > end) return fail("short meta event");
        size = 3 + byte(pos + 2);
        ended = byte(pos + 1) == 0x2F;
      } else if (status >= 0x80 && status < 0xF0) {
        const std::uint8_t kind = status & 0xF0;
        size = kind == 0xC0 || kind == 0xD0 ? 2 : 3;
        for (std::size_t i = 1; i < size; ++i)
          if (pos + i >= end || byte(pos + i) >= 0x80) return fail("bad data byte");
      } else {
        return fail("unexpected status byte");
      }
      if (pos + size > end) return fail("event past the track");
      events.push_back({tick, data.substr(pos, size)});
      pos += size;
    }
    if (!ended) return fail("track without end");
    result.file.tracks.push_back(std::move(events));
  }
  if (pos != data.size()) return fail("bytes after the last track");
  return result;
}

}  // namespace mokuza::test
