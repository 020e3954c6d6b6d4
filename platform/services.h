#pragma once
// The one interface through which the program touches the operating system.
// platform/headless implements it for tests and the command-line tool; the
// desktop program implements it over Qt and ALSA.

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace mokuza::platform {

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Icon { None, Information, Question, Warning, Error };
// The button that closed a message box.
enum class Answer { Ok, Cancel, Yes, No };

struct MessageBoxRequest {
  std::u16string text;
  std::u16string title;
  Buttons buttons = Buttons::Ok;
  Icon icon = Icon::None;
  // No (or Cancel) is the default button: the question's Yes loses data, and
  // an Enter meant for something else must not give it.
  bool declineByDefault = false;
};

struct FileFilter {
  std::u16string description;  // "SGF File(*.sgf)"
  std::u16string pattern;      // "*.sgf"
};

struct FileDialogRequest {
  std::u16string title;
  std::vector<FileFilter> filters;
  std::u16string defaultExtension;
  std::filesystem::path initialName;
  bool mustExist = false;
  bool overwritePrompt = false;
};

// A small modal choice among radio options with OK and Cancel.
struct ChoiceRequest {
  std::u16string title;
  std::vector<std::u16string> options;
  int preselected = 0;
};

// Results of writing the clipboard.
enum class ClipboardStatus { Ok, NoMemory, Unavailable };

class Services {
 public:
  virtual ~Services() = default;

  virtual Answer messageBox(const MessageBoxRequest& request) = 0;
  // An empty result means the user cancelled.
  virtual std::optional<std::filesystem::path> openFileDialog(const FileDialogRequest& request) = 0;
  // Several existing files at once; empty when the user cancelled.
  virtual std::vector<std::filesystem::path> openFilesDialog(const FileDialogRequest& request) = 0;
  virtual std::optional<std::filesystem::path> saveFileDialog(const FileDialogRequest& request) = 0;
  virtual std::optional<std::filesystem::path> browseFolder(const std::u16string& title) = 0;
  // The index of the chosen option, or -1 for Cancel.
  virtual int choose(const ChoiceRequest& request) = 0;

  virtual std::u16string clipboardText() = 0;
  virtual ClipboardStatus setClipboardText(const std::u16string& text) = 0;

  // Sound and MIDI fail quietly when there is no device.
  virtual void playWave(const std::filesystem::path& file) = 0;
  virtual bool midiOpen() = 0;
  virtual void midiShortMessage(std::uint32_t message) = 0;
  virtual void midiReset() = 0;
  virtual void midiClose() = 0;

  virtual void openWithAssociatedProgram(const std::filesystem::path& file) = 0;
  virtual void revealInFileManager(const std::filesystem::path& file) = 0;

  // Seconds since the epoch; local-time formatting goes through localTime.
  virtual std::time_t now() = 0;
  virtual std::tm localTime(std::time_t when) = 0;

  // Developer diagnostics ("File Open Error"); never shown to the user.
  virtual void diagnostic(const std::string& line) = 0;
};

}  // namespace mokuza::platform
