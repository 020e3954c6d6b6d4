#pragma once
// The stone sounds: a short click of a stone set on a wooden board, and the
// 16-bit PCM WAV container it is stored in.

#include <cstdint>
#include <string>
#include <vector>

namespace mokuza::assets {

enum class ClickVoice { Black, White };  // white sounds higher and brighter

inline constexpr int kClickSampleRate = 44100;

// Mono samples of one click, about 70 ms, peaking near 80 % of full scale.
std::vector<std::int16_t> synthesizeClick(ClickVoice voice);

// The bytes of a mono 16-bit PCM WAV file holding `samples`.
std::string waveFileBytes(const std::vector<std::int16_t>& samples, int sampleRate);

}  // namespace mokuza::assets
