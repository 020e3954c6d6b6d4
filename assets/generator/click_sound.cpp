#include "assets/generator/click_sound.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "assets/generator/noise.h"

namespace mokuza::assets {
namespace {

// One damped resonance of stone and board: frequency, loudness, decay time.
struct Mode {
  double hertz;
  double gain;
  double decayMs;
};

// Wood rings inharmonically; a higher pitch for the white shell stone.
constexpr std::array<Mode, 5> kBlackModes = {
    {{420, 0.30, 12}, {1180, 1.0, 9}, {2710, 0.55, 5}, {4320, 0.3, 3}, {6100, 0.15, 1.8}}};
constexpr double kWhitePitch = 1.35;
constexpr double kLengthMs = 70;
constexpr double kAttackMs = 0.25;
constexpr double kFadeMs = 8;

void appendLittleEndian(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

std::vector<std::int16_t> synthesizeClick(ClickVoice voice) {
  const double pitch = voice == ClickVoice::White ? kWhitePitch : 1.0;
  const auto count = static_cast<std::size_t>(kClickSampleRate * kLengthMs / 1000);
  std::vector<double> wave(count);
  double previousNoise = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const double ms = 1000.0 * static_cast<double>(i) / kClickSampleRate;
    double v = 0;
    for (const Mode& m : kBlackModes) {
      const double phase = 2 * std::numbers::pi * m.hertz * pitch * ms / 1000;
      v += m.gain * std::exp(-ms / (m.decayMs / pitch)) * std::sin(phase);
    }
    // The hard contact: a brief burst of bright noise.
    const double noise = latticeValue(voice == ClickVoice::White ? 7 : 5, static_cast<std::int32_t>(i), 0) * 2 - 1;
    v += 0.6 * std::exp(-ms / 0.6) * (noise - previousNoise);
    previousNoise = noise;
    v *= std::min(1.0, ms / kAttackMs) * std::min(1.0, (kLengthMs - ms) / kFadeMs);
    wave[i] = v;
  }
  double peak = 0;
  for (double v : wave) peak = std::max(peak, std::abs(v));
  std::vector<std::int16_t> samples(count);
  for (std::size_t i = 0; i < count; ++i) {
    samples[i] = static_cast<std::int16_t>(std::lround(wave[i] / peak * 0.8 * 32767));
  }
  return samples;
}

std::string waveFileBytes(const std::vector<std::int16_t>& samples, int sampleRate) {
  const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
  std::string out;
  out += "RIFF";
  appendLittleEndian(out, 36 + dataBytes, 4);
  out += "WAVEfmt ";
  appendLittleEndian(out, 16, 4);  // size of the format chunk
  appendLittleEndian(out, 1, 2);   // PCM
  appendLittleEndian(out, 1, 2);   // mono
  appendLittleEndian(out, static_cast<std::uint32_t>(sampleRate), 4);
  appendLittleEndian(out, static_cast<std::uint32_t>(sampleRate) * 2, 4);  // bytes per second
  appendLittleEndian(out, 2, 2);                                           // bytes per frame
  appendLittleEndian(out, 16, 2);                                          // bits per sample
  out += "data";
  appendLittleEndian(out, dataBytes, 4);
  for (std::int16_t s : samples) appendLittleEndian(out, static_cast<std::uint16_t>(s), 2);
  return out;
}

}  // namespace mokuza::assets
