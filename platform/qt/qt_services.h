#pragma once
// The services of the desktop program: Qt dialogs and clipboard, the
// desktop's file handling, stone sounds through Qt Multimedia and the music
// mode's notes through FluidSynth or an ALSA sequencer port.

#include <functional>
#include <optional>
#include <string>

#include "platform/qt/fluid_synth.h"
#include "platform/qt/sequencer_port.h"
#include "platform/qt/stone_sounds.h"
#include "platform/services.h"

class QWidget;

namespace mokuza::platform {

class QtServices : public Services {
 public:
  // Needs the QApplication. Dialogs are modal to the window set later.
  QtServices() = default;

  void setDialogParent(QWidget* parent) { parent_ = parent; }
  // Asked whenever the MIDI output opens: the ALSA sequencer port that takes
  // the notes ("" or a port that is not there: the built-in synthesizer).
  void setMidiPortSource(std::function<std::string()> source) { midiPort_ = std::move(source); }

  Answer messageBox(const MessageBoxRequest& request) override;
  std::optional<std::filesystem::path> openFileDialog(const FileDialogRequest& request) override;
  std::vector<std::filesystem::path> openFilesDialog(const FileDialogRequest& request) override;
  std::optional<std::filesystem::path> saveFileDialog(const FileDialogRequest& request) override;
  std::optional<std::filesystem::path> browseFolder(const std::u16string& title) override;
  int choose(const ChoiceRequest& request) override;

  std::u16string clipboardText() override;
  ClipboardStatus setClipboardText(const std::u16string& text) override;

  void playWave(const std::filesystem::path& file) override;
  bool midiOpen() override;
  void midiShortMessage(std::uint32_t message) override;
  void midiReset() override;
  void midiClose() override;

  void openWithAssociatedProgram(const std::filesystem::path& file) override;
  void revealInFileManager(const std::filesystem::path& file) override;

  std::time_t now() override;
  std::tm localTime(std::time_t when) override;

  void diagnostic(const std::string& line) override;

 private:
  QWidget* parent_ = nullptr;
  StoneSounds sounds_;
  std::function<std::string()> midiPort_;
  std::unique_ptr<SequencerPort> port_;
  std::unique_ptr<FluidSynth> synth_;
};

}  // namespace mokuza::platform
