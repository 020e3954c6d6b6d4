#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace {

struct Wave {
  int format = 0, channels = 0, sampleRate = 0, bitsPerSample = 0;
  std::vector<std::int16_t> samples;
};

std::uint32_t little(const std::string& bytes, std::size_t at, int size) {
  std::uint32_t v = 0;
  for (int i = size - 1; i >= 0; --i)
    v = (v << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
  return v;
}

// Reads a RIFF WAVE file chunk by chunk, as a player would.
std::optional<Wave> readWave(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  const std::string b(std::istreambuf_iterator<char>(in), {});
  if (b.size() < 12 || b.compare(0, 4, "RIFF") != 0 || b.compare(8, 4, "WAVE") != 0) return std::nullopt;
  if (little(b, 4, 4) != b.size() - 8) return std::nullopt;
  Wave w;
  bool haveFormat = false;
  for (std::size_t at = 12; at + 8 <= b.size();) {
    const std::string id = b.substr(at, 4);
    const std::size_t size = little(b, at + 4, 4);
    if (at + 8 + size > b.size()) return std::nullopt;
    if (id == "fmt " && size >= 16) {
      w.format = static_cast<int>(little(b, at + 8, 2));
      w.channels = static_cast<int>(little(b, at + 10, 2));
      w.sampleRate = static_cast<int>(little(b, at + 12, 4));
      w.bitsPerSample = static_cast<int>(little(b, at + 22, 2));
      haveFormat = true;
    } else if (id == "data" && haveFormat) {
      for (std::size_t i = 0; i + 1 < size; i += 2)
        w.samples.push_back(static_cast<std::int16_t>(little(b, at + 8 + i, 2)));
      return w;
    }
    at += 8 + size + (size & 1);
  }
  return std::nullopt;
}

}  // namespace

TEST(StoneSounds, AreShortAudibleMono16BitClicks) {
  const std::filesystem::path folder = MOKUZA_ASSET_DIR;
  for (const char* name : {"black_sound.wav", "white_sound.wav"}) {
    const std::optional<Wave> wave = readWave(folder / name);
    ASSERT_TRUE(wave) << name << " is not a readable RIFF WAVE file";
    EXPECT_EQ(std::tuple(wave->format, wave->channels, wave->bitsPerSample), std::tuple(1, 1, 16)) << "PCM, mono";
    EXPECT_GE(wave->sampleRate, 22050);
    const double ms = 1000.0 * static_cast<double>(wave->samples.size()) / wave->sampleRate;
    EXPECT_TRUE(ms > 20 && ms < 150) << ms;
    int peak = 0;
    for (std::int16_t s : wave->samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
    EXPECT_GT(peak, 16000) << name << " is too quiet";
    EXPECT_LT(peak, 32767) << name << " clips";
  }
}
