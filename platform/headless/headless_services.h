#pragma once
// Services for tests and the command-line tool: answers come from scripts,
// the clipboard lives in memory, the clock is set by hand, and every call is
// logged so that a test can assert what the program asked.

#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/services.h"

namespace mokuza::platform {

struct LoggedCall {
  std::string kind;           // "messageBox", "openFileDialog", "choose", "setClipboardText", ...
  std::u16string text;        // message text, dialog title, clipboard text, path
  std::u16string title;       // message box title
  int answer = 0;             // the answer given, where there is one
  Answer reply = Answer::Ok;  // a message box's answer
  ClipboardStatus clipboardStatus = ClipboardStatus::Ok;
  bool declineByDefault = false;  // a message box's default button was No or Cancel
};

class HeadlessServices : public Services {
 public:
  // Scripts, consumed in order. Without a scripted answer a message box
  // answers OK for an OK box and the harmless choice (No, Cancel) otherwise;
  // a dialog cancels; a choice cancels.
  std::deque<Answer> messageAnswers;
  std::deque<std::optional<std::filesystem::path>> openDialogAnswers;
  std::deque<std::vector<std::filesystem::path>> openFilesAnswers;
  std::deque<std::optional<std::filesystem::path>> saveDialogAnswers;
  std::deque<std::optional<std::filesystem::path>> folderAnswers;
  std::deque<int> choiceAnswers;

  std::u16string clipboard;
  bool clipboardAvailable = true;
  std::time_t clock = 0;
  std::vector<LoggedCall> calls;
  std::vector<std::string> diagnostics;
  int midiMessagesSent = 0;

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

  // The calls of one kind, for assertions.
  std::vector<LoggedCall> callsOf(const std::string& kind) const;
};

}  // namespace mokuza::platform
