#include "playlist/history_log.h"

#include <optional>
#include <system_error>

#include "core/document/undo.h"
#include "core/record/text.h"
#include "playlist/local_time.h"

namespace mokuza {
namespace {

// The month's log as it stands (empty when there is none yet); nothing when a
// file is there that cannot be read.
std::optional<std::u16string> currentLog(const std::filesystem::path& file) {
  const platform::FileRead read = platform::readUserFile(file, kTextFileMax);
  if (read.problem == platform::FileProblem::Missing) return std::u16string();
  if (!read) return std::nullopt;
  return decodeBytes(read.bytes, TextKind::Plain);
}

}  // namespace

std::filesystem::path historyFilePath(const std::filesystem::path& folder, const std::tm& local) {
  const std::filesystem::path year = folder / textToPath(formatTime(local, "%Y"));
  std::error_code ec;
  std::filesystem::create_directories(year, ec);
  return year / textToPath(formatTime(local, "history - %Y-%m.txt"));
}

bool AppendHistoryLine(HistoryLog& log, platform::Services& services, std::u16string_view text, int position) {
  if (position <= 0) return false;
  const std::tm local = services.localTime(services.now());
  const std::filesystem::path file = historyFilePath(log.folder, local);

  std::optional<std::u16string> read = currentLog(file);
  if (!read) {
    if (!log.failureShown)
      services.messageBox({u"履歴ファイルを読み込めないため、履歴を書き込みませんでした\n" + pathToText(file),
                           u"エラー", platform::Buttons::Ok, platform::Icon::Error});
    log.failureShown = true;
    return false;
  }
  std::u16string& content = *read;
  const std::u16string header = formatTime(local, "<%m-%d>\n");
  const std::u16string prefix = content.find(header) == std::u16string::npos ? u"\n" + header : u"";
  const std::string number = (position < 10 ? " " : "") + std::to_string(position);
  content +=
      prefix + formatTime(local, "%H:%M:%S") + u"  " + asciiToUtf16(number) + u". " + std::u16string(text) + u"\n";
  if (!writeTextFile(file, content)) return false;
  log.failureShown = false;
  return true;
}

void connectHistoryLog(Document& doc, platform::Services& services, HistoryLog& log) {
  doc.hooks.appendHistoryLine = [&services, &log](std::u16string_view text, int position) {
    AppendHistoryLine(log, services, text, position);
  };
}

bool changeHistoryFolder(Document& doc, platform::Services& services, HistoryLog& log) {
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
