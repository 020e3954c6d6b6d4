#include "playlist/history_log.h"

#include <system_error>

#include "core/document/undo.h"
#include "core/record/text.h"
#include "playlist/local_time.h"

namespace mokuza {

std::filesystem::path historyFilePath(const std::filesystem::path& folder, const std::tm& local) {
  const std::filesystem::path year = folder / textToPath(formatTime(local, "%Y"));
  std::error_code ec;
  std::filesystem::create_directories(year, ec);
  return year / textToPath(formatTime(local, "history - %Y-%m.txt"));
}

bool AppendHistoryLine(const HistoryLog& log, platform::Services& services, std::u16string_view text, int position) {
  if (position <= 0) return false;
  const std::tm local = services.localTime(services.now());
  const std::filesystem::path file = historyFilePath(log.folder, local);

  // A log that is there but cannot be read is not replaced by the new line alone.
  const platform::FileRead read = platform::readUserFile(file, kTextFileMax);
  if (!read && read.problem != platform::FileProblem::Missing) return false;
  std::u16string content = read.bytes.empty() ? std::u16string() : decodeBytes(read.bytes, TextKind::Plain);
  const std::u16string header = formatTime(local, "<%m-%d>\n");
  const std::u16string prefix = content.find(header) == std::u16string::npos ? u"\n" + header : u"";
  const std::string number = (position < 10 ? " " : "") + std::to_string(position);
  content += prefix + formatTime(local, "%H:%M:%S") + u"  " + asciiToUtf16(number) + u". " + std::u16string(text) + u"\n";
  return writeTextFile(file, content).ok();
}

void connectHistoryLog(Document& doc, platform::Services& services, const HistoryLog& log) {
  doc.hooks.appendHistoryLine = [&services, &log](std::u16string_view text, int position) {
    AppendHistoryLine(log, services, text, position);
  };
}

bool ChangeHistoryFolder(Document& doc, platform::Services& services, HistoryLog& log) {
  const auto chosen = services.browseFolder(u"履歴フォルダを変更");
  if (!chosen || chosen->empty()) return false;
  recordUndo(doc, u"履歴フォルダを変更：" + pathToText(log.folder) + u" → " + pathToText(*chosen));
  log.folder = *chosen;
  return true;
}

void openHistoryFile(platform::Services& services, const HistoryLog& log) {
  services.openWithAssociatedProgram(historyFilePath(log.folder, services.localTime(services.now())));
}

void openHistoryFolder(platform::Services& services, const HistoryLog& log) {
  services.openWithAssociatedProgram(historyFilePath(log.folder, services.localTime(services.now())).parent_path());
}

}  // namespace mokuza
