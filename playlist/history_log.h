#pragma once
// The monthly history log: every recorded operation, with its time, in
// "history/%Y/history - %Y-%m.txt" below the history folder.

#include <ctime>
#include <filesystem>
#include <string_view>

#include "core/document/document.h"
#include "platform/services.h"

namespace mokuza {

struct HistoryLog {
  std::filesystem::path folder;  // the program folder's "history" unless the user chose another
  bool failureShown = false;     // a month's file could not be read; said once until a line is written again
};

// The log of the month of `local`; the year folder is created when missing.
std::filesystem::path historyFilePath(const std::filesystem::path& folder, const std::tm& local);

// Appends "hh:mm:ss  nn. text" for position > 0, preceded by the day's header
// "<mm-dd>" after an empty line when the file has none for today. A month's
// file that exists but cannot be read is never replaced: the line is dropped,
// and the first such failure is shown. False when nothing was written
// (position 0, or the file could not be read or written).
bool AppendHistoryLine(HistoryLog& log, platform::Services& services, std::u16string_view text, int position);

// Makes the document's operation history write to the log (it does so while
// the option histoutput is 1). The log and services must outlive the hook.
void connectHistoryLog(Document& doc, platform::Services& services, HistoryLog& log);

// "履歴フォルダを変更": a folder browser at the current folder; on a choice the
// change is recorded (in the old folder's log) and the folder replaced. True
// when the folder changed, so that the settings are saved.
bool changeHistoryFolder(Document& doc, platform::Services& services, HistoryLog& log);

// "履歴ファイルを開く" and "履歴フォルダを開く" for this month.
void openHistoryFile(platform::Services& services, const HistoryLog& log);
void openHistoryFolder(platform::Services& services, const HistoryLog& log);

}  // namespace mokuza
