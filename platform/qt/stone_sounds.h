#pragma once
// The stone sounds: short WAV files played at once, overlapping when moves
// follow each other faster than a click lasts.

#include <QSoundEffect>
#include <array>
#include <cstddef>
#include <filesystem>
#include <map>
#include <memory>

namespace mokuza::platform {

class StoneSounds {
 public:
  // Clicks of one sound that may sound at the same time.
  static constexpr std::size_t kVoices = 4;
  // Distinct files kept loaded; a design has two.
  static constexpr std::size_t kFilesKept = 8;

  // Starts the file, loading it on its first use (it sounds as soon as it is
  // loaded). False, and silent, when there is no audio output or the file
  // does not exist.
  bool play(const std::filesystem::path& file);

 private:
  struct Voices {
    std::array<std::unique_ptr<QSoundEffect>, kVoices> effects;
    std::size_t next = 0;
  };
  Voices& voicesFor(const std::filesystem::path& file);

  std::map<std::filesystem::path, Voices> loaded_;
};

}  // namespace mokuza::platform
