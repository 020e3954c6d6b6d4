#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>
#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "platform/qt/fluid_synth.h"
#include "platform/qt/qt_services.h"
#include "platform/qt/stone_sounds.h"

using namespace mokuza::platform;

namespace {

// The loudest sample of one side (0 left, 1 right) or of both (-1).
int peak(const std::vector<std::int16_t>& samples, int side = -1) {
  int result = 0;
  for (std::size_t i = 0; i < samples.size(); ++i)
    if (side < 0 || static_cast<int>(i % 2) == side) result = std::max(result, std::abs(static_cast<int>(samples[i])));
  return result;
}

// FluidSynth dithers its 16-bit output: silence is a sample or two of noise.
constexpr int kSilence = 4;

bool dialogShown() {
  const auto widgets = QApplication::topLevelWidgets();
  return std::any_of(widgets.begin(), widgets.end(), [](const QWidget* w) { return w->isVisible(); });
}

}  // namespace

TEST(SoundFontTest, FoundUnderTheDataFolders) {
  EXPECT_EQ(findSoundFont("/nonexistent:relative/share"), std::filesystem::path());
  const std::filesystem::path found = findSoundFont("/nonexistent:/usr/share");
  EXPECT_EQ(found.filename(), "TimGM6mb.sf2") << "the setup installs timgm6mb-soundfont";
}

// Notes rendered without an audio driver: silence before, a note's sound,
// then silence again once the output is reset.
TEST(FluidSynthTest, RendersPlayedNotesAndFallsSilentOnReset) {
  auto synth = FluidSynth::create(findSoundFont());
  ASSERT_NE(synth, nullptr);
  const int tenth = FluidSynth::kSampleRate / 10;
  EXPECT_LE(peak(synth->render(tenth)), kSilence);

  synth->send(unpackShortMessage(0xC3 | (73 << 8)));                // a flute on channel 3
  synth->send(unpackShortMessage(0xB3 | (10 << 8) | (127 << 16)));  // panned right
  synth->send(unpackShortMessage(0x93 | (60 << 8) | (100 << 16)));
  const std::vector<std::int16_t> sounding = synth->render(tenth * 3);
  EXPECT_GT(peak(sounding), 1000);
  EXPECT_GT(peak(sounding, 1), peak(sounding, 0) * 4) << "the pan controller reaches the synthesizer";

  synth->silence();
  synth->render(FluidSynth::kSampleRate * 2);  // the reverb's tail
  EXPECT_LE(peak(synth->render(tenth)), kSilence);
}

// Where no audio server answers (as here: main() points them all nowhere)
// the output does not open, the stone sound stays silent, and nothing is
// shown to the user.
TEST(NoAudioDeviceTest, OpenFailsQuietlyAndStonesAreSilent) {
  QtServices services;
  EXPECT_FALSE(services.midiOpen());
  services.midiShortMessage(0x90 | (60 << 8) | (100 << 16));
  services.midiReset();
  services.midiClose();

  StoneSounds sounds;
  const std::filesystem::path click = std::filesystem::path(MOKUZA_ASSET_DIR) / "black_sound.wav";
  ASSERT_TRUE(std::filesystem::exists(click));
  EXPECT_FALSE(sounds.play(click));
  services.playWave(click);
  EXPECT_FALSE(dialogShown());
}
