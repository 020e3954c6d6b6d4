#include "platform/qt/qt_services.h"

#include <alsa/asoundlib.h>

#include <QClipboard>
#include <QGuiApplication>
#include <iostream>

#include "platform/qt/choice_dialog.h"
#include "platform/qt/file_dialogs.h"
#include "platform/qt/file_manager.h"
#include "platform/qt/message_box.h"

namespace mokuza::platform {
namespace {

// The ALSA library reports a missing sequencer or sound card on stderr at
// every attempt; midiOpen reports the outcome once.
void quietAlsaErrors(const char*, int, const char*, int, const char*, ...) {}

}  // namespace

Answer QtServices::messageBox(const MessageBoxRequest& request) {
  const std::unique_ptr<QMessageBox> box = buildMessageBox(request, parent_);
  box->exec();
  return answerOf(*box);
}

std::optional<std::filesystem::path> QtServices::openFileDialog(const FileDialogRequest& request) {
  return runFileDialog(request, false, parent_);
}

std::vector<std::filesystem::path> QtServices::openFilesDialog(const FileDialogRequest& request) {
  return runOpenFilesDialog(request, parent_);
}

std::optional<std::filesystem::path> QtServices::saveFileDialog(const FileDialogRequest& request) {
  return runFileDialog(request, true, parent_);
}

std::optional<std::filesystem::path> QtServices::browseFolder(const std::u16string& title) {
  return runFolderDialog(title, parent_);
}

int QtServices::choose(const ChoiceRequest& request) { return runChoiceDialog(request, parent_); }

std::u16string QtServices::clipboardText() {
  const QClipboard* clipboard = QGuiApplication::clipboard();
  return clipboard ? clipboard->text().toStdU16String() : std::u16string();
}

ClipboardStatus QtServices::setClipboardText(const std::u16string& text) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (clipboard == nullptr) return ClipboardStatus::Unavailable;
  clipboard->setText(QString::fromStdU16String(text));
  return ClipboardStatus::Ok;
}

void QtServices::playWave(const std::filesystem::path& file) { sounds_.play(file); }

bool QtServices::midiOpen() {
  if (port_ || synth_) return true;
  snd_lib_error_set_handler(quietAlsaErrors);
  const std::string address = midiPort_ ? midiPort_() : std::string();
  port_ = SequencerPort::connect(address);
  if (port_) return true;
  if (!address.empty()) diagnostic("MIDI: no sequencer port " + address + ", playing on the built-in synthesizer");
  const std::filesystem::path soundFont = findSoundFont();
  synth_ = FluidSynth::create(soundFont);
  if (!synth_) {
    diagnostic(soundFont.empty() ? "MIDI: no General MIDI soundfont" : "MIDI: cannot load " + soundFont.string());
    return false;
  }
  if (!synth_->startAudio()) {
    diagnostic("MIDI: no audio output");
    synth_.reset();
    return false;
  }
  return true;
}

void QtServices::midiShortMessage(std::uint32_t message) {
  const ShortMessage unpacked = unpackShortMessage(message);
  if (port_) port_->send(unpacked);
  if (synth_) synth_->send(unpacked);
}

void QtServices::midiReset() {
  if (port_) port_->silence();
  if (synth_) synth_->silence();
}

void QtServices::midiClose() {
  port_.reset();
  synth_.reset();
}

void QtServices::openWithAssociatedProgram(const std::filesystem::path& file) {
  if (!openWithDesktop(file)) diagnostic("no program opens " + file.string());
}

void QtServices::revealInFileManager(const std::filesystem::path& file) {
  revealFile(file, [this](const std::string& line) { diagnostic(line); });
}

std::time_t QtServices::now() { return std::time(nullptr); }

std::tm QtServices::localTime(std::time_t when) {
  std::tm result{};
  localtime_r(&when, &result);
  return result;
}

void QtServices::diagnostic(const std::string& line) { std::cerr << line << '\n'; }

}  // namespace mokuza::platform
