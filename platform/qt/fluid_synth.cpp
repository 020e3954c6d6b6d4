#include "platform/qt/fluid_synth.h"

#include <fluidsynth.h>

#include <array>
#include <cstdlib>
#include <sstream>
#include <system_error>

namespace mokuza::platform {
namespace {

constexpr int kChannels = 16;

// About 12 ms of sound between a note and the speaker.
constexpr int kPeriodSize = 256;
constexpr int kPeriods = 2;

// Jack is left out: trying it may start a sound server of its own.
constexpr std::array<const char*, 3> kAudioDrivers = {"pipewire", "pulseaudio", "alsa"};

void quietLog() {
  // FluidSynth reports a missing audio server on stderr at every attempt;
  // the program reports what matters itself.
  for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
    fluid_set_log_function(level, nullptr, nullptr);
}

}  // namespace

std::filesystem::path findSoundFont(const std::string& xdgDataDirs) {
  std::vector<std::filesystem::path> folders;
  std::stringstream dirs(xdgDataDirs.empty() ? std::string("/usr/local/share:/usr/share") : xdgDataDirs);
  for (std::string dir; std::getline(dirs, dir, ':');)
    if (std::filesystem::path(dir).is_absolute()) folders.emplace_back(dir);
  std::error_code ec;
  for (const char* name : {"sounds/sf2/TimGM6mb.sf2", "sounds/sf2/default-GM.sf2", "soundfonts/default.sf2"})
    for (const std::filesystem::path& folder : folders)
      if (std::filesystem::is_regular_file(folder / name, ec)) return folder / name;
  return {};
}

std::filesystem::path findSoundFont() {
  const char* dirs = std::getenv("XDG_DATA_DIRS");
  return findSoundFont(dirs ? dirs : "");
}

std::unique_ptr<FluidSynth> FluidSynth::create(const std::filesystem::path& soundFont) {
  if (soundFont.empty()) return nullptr;
  quietLog();
  fluid_settings_t* settings = new_fluid_settings();
  if (settings == nullptr) return nullptr;
  fluid_settings_setnum(settings, "synth.sample-rate", kSampleRate);
  fluid_settings_setnum(settings, "synth.gain", 0.4);
  fluid_settings_setint(settings, "synth.midi-channels", kChannels);
  fluid_settings_setint(settings, "audio.period-size", kPeriodSize);
  fluid_settings_setint(settings, "audio.periods", kPeriods);
  fluid_synth_t* synth = new_fluid_synth(settings);
  if (synth == nullptr) {
    delete_fluid_settings(settings);
    return nullptr;
  }
  std::unique_ptr<FluidSynth> result(new FluidSynth(settings, synth));
  if (fluid_synth_sfload(synth, soundFont.c_str(), 1) == FLUID_FAILED) return nullptr;
  return result;
}

FluidSynth::~FluidSynth() {
  // The driver's thread reads the synthesizer: it goes first.
  if (driver_) delete_fluid_audio_driver(driver_);
  if (synth_) delete_fluid_synth(synth_);
  if (settings_) delete_fluid_settings(settings_);
}

bool FluidSynth::startAudio() {
  for (const char* name : kAudioDrivers) {
    if (driver_) break;
    if (fluid_settings_setstr(settings_, "audio.driver", name) == FLUID_OK)
      driver_ = new_fluid_audio_driver(settings_, synth_);
  }
  return driver_ != nullptr;
}

void FluidSynth::send(ShortMessage message) {
  const int channel = message.channel();
  switch (message.kind()) {
    case 0x80: fluid_synth_noteoff(synth_, channel, message.data1); break;
    case 0x90:
      if (message.data2 == 0) {
        fluid_synth_noteoff(synth_, channel, message.data1);
      } else {
        fluid_synth_noteon(synth_, channel, message.data1, message.data2);
      }
      break;
    case 0xA0: fluid_synth_key_pressure(synth_, channel, message.data1, message.data2); break;
    case 0xB0: fluid_synth_cc(synth_, channel, message.data1, message.data2); break;
    case 0xC0: fluid_synth_program_change(synth_, channel, message.data1); break;
    case 0xD0: fluid_synth_channel_pressure(synth_, channel, message.data1); break;
    case 0xE0: fluid_synth_pitch_bend(synth_, channel, message.data1 | (message.data2 << 7)); break;
    default: break;
  }
}

void FluidSynth::silence() {
  for (int channel = 0; channel < kChannels; ++channel) fluid_synth_all_sounds_off(synth_, channel);
}

std::vector<std::int16_t> FluidSynth::render(int frames) {
  std::vector<std::int16_t> samples(static_cast<std::size_t>(frames > 0 ? frames : 0) * 2);
  if (frames > 0) fluid_synth_write_s16(synth_, frames, samples.data(), 0, 2, samples.data(), 1, 2);
  return samples;
}

}  // namespace mokuza::platform
