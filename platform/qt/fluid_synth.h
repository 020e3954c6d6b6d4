#pragma once
// The built-in General MIDI synthesizer: FluidSynth with a soundfont of the
// system, playing on the desktop's audio server or rendering into a buffer.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/qt/midi_message.h"

struct _fluid_hashtable_t;
struct _fluid_synth_t;
struct _fluid_audio_driver_t;

namespace mokuza::platform {

// The first General MIDI soundfont found under the data folders
// ($XDG_DATA_DIRS, else /usr/local/share and /usr/share): TimGM6mb first,
// then the system's default GM soundfont; empty when there is none.
std::filesystem::path findSoundFont(const std::string& xdgDataDirs);
std::filesystem::path findSoundFont();

class FluidSynth {
 public:
  static constexpr int kSampleRate = 44100;

  // A synthesizer with the soundfont loaded, or nothing when FluidSynth
  // cannot load it.
  static std::unique_ptr<FluidSynth> create(const std::filesystem::path& soundFont);

  FluidSynth(const FluidSynth&) = delete;
  FluidSynth& operator=(const FluidSynth&) = delete;
  ~FluidSynth();

  // Starts playing on the first audio server that answers (PipeWire,
  // PulseAudio, ALSA); false when there is none.
  bool startAudio();

  void send(ShortMessage message);
  // Every sound on the sixteen channels stops at once.
  void silence();

  // Interleaved stereo frames rendered without an audio driver.
  std::vector<std::int16_t> render(int frames);

 private:
  FluidSynth(_fluid_hashtable_t* settings, _fluid_synth_t* synth) : settings_(settings), synth_(synth) {}

  _fluid_hashtable_t* settings_ = nullptr;
  _fluid_synth_t* synth_ = nullptr;
  _fluid_audio_driver_t* driver_ = nullptr;
};

}  // namespace mokuza::platform
