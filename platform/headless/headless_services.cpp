#include "platform/headless/headless_services.h"

namespace mokuza::platform {
namespace {

Answer harmlessAnswer(Buttons buttons) {
  switch (buttons) {
    case Buttons::Ok: return Answer::Ok;
    case Buttons::YesNo: return Answer::No;
    case Buttons::OkCancel:
    case Buttons::YesNoCancel: return Answer::Cancel;
  }
  return Answer::Cancel;
}

template <typename T>
T takeFront(std::deque<T>& script, T fallback) {
  if (script.empty()) return fallback;
  T value = std::move(script.front());
  script.pop_front();
  return value;
}

std::u16string pathText(const std::optional<std::filesystem::path>& path) {
  return path ? path->u16string() : std::u16string();
}

}  // namespace

Answer HeadlessServices::messageBox(const MessageBoxRequest& request) {
  const Answer answer = takeFront(messageAnswers, harmlessAnswer(request.buttons));
  calls.push_back({"messageBox", request.text, request.title, 0, answer, ClipboardStatus::Ok, request.declineByDefault});
  return answer;
}

std::optional<std::filesystem::path> HeadlessServices::openFileDialog(const FileDialogRequest& request) {
  auto answer = takeFront(openDialogAnswers, std::optional<std::filesystem::path>());
  calls.push_back({"openFileDialog", request.title, pathText(answer), answer ? 1 : 0});
  return answer;
}

std::vector<std::filesystem::path> HeadlessServices::openFilesDialog(const FileDialogRequest& request) {
  auto answer = takeFront(openFilesAnswers, std::vector<std::filesystem::path>());
  calls.push_back({"openFilesDialog", request.title, {}, static_cast<int>(answer.size())});
  return answer;
}

std::optional<std::filesystem::path> HeadlessServices::saveFileDialog(const FileDialogRequest& request) {
  auto answer = takeFront(saveDialogAnswers, std::optional<std::filesystem::path>());
  calls.push_back({"saveFileDialog", request.title, pathText(answer), answer ? 1 : 0});
  return answer;
}

std::optional<std::filesystem::path> HeadlessServices::browseFolder(const std::u16string& title) {
  auto answer = takeFront(folderAnswers, std::optional<std::filesystem::path>());
  calls.push_back({"browseFolder", title, pathText(answer), answer ? 1 : 0});
  return answer;
}

int HeadlessServices::choose(const ChoiceRequest& request) {
  int answer = takeFront(choiceAnswers, -1);
  calls.push_back({"choose", request.title, u"", answer});
  return answer;
}

std::u16string HeadlessServices::clipboardText() {
  calls.push_back({"clipboardText", clipboard, u"", 0});
  return clipboardAvailable ? clipboard : std::u16string();
}

ClipboardStatus HeadlessServices::setClipboardText(const std::u16string& text) {
  const ClipboardStatus status = clipboardAvailable ? ClipboardStatus::Ok : ClipboardStatus::Unavailable;
  if (clipboardAvailable) clipboard = text;
  calls.push_back({"setClipboardText", text, u"", 0, Answer::Ok, status});
  return status;
}

void HeadlessServices::playWave(const std::filesystem::path& file) {
  calls.push_back({"playWave", file.u16string(), u"", 0});
}

bool HeadlessServices::midiOpen() {
  calls.push_back({"midiOpen", u"", u"", 1});
  return true;
}

void HeadlessServices::midiShortMessage(std::uint32_t message) {
  ++midiMessagesSent;
  calls.push_back({"midiShortMessage", u"", u"", static_cast<int>(message)});
}

void HeadlessServices::midiReset() { calls.push_back({"midiReset", u"", u"", 0}); }
void HeadlessServices::midiClose() { calls.push_back({"midiClose", u"", u"", 0}); }

void HeadlessServices::openWithAssociatedProgram(const std::filesystem::path& file) {
  calls.push_back({"openWithAssociatedProgram", file.u16string(), u"", 0});
}

void HeadlessServices::revealInFileManager(const std::filesystem::path& file) {
  calls.push_back({"revealInFileManager", file.u16string(), u"", 0});
}

std::time_t HeadlessServices::now() { return clock; }

std::tm HeadlessServices::localTime(std::time_t when) {
  std::tm result{};
  gmtime_r(&when, &result);  // the fake clock has no time zone
  return result;
}

void HeadlessServices::diagnostic(const std::string& line) { diagnostics.push_back(line); }

std::vector<LoggedCall> HeadlessServices::callsOf(const std::string& kind) const {
  std::vector<LoggedCall> result;
  for (const LoggedCall& call : calls)
    if (call.kind == kind) result.push_back(call);
  return result;
}

}  // namespace mokuza::platform
