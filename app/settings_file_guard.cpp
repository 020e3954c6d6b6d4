#include "app/settings_file_guard.h"

#include <string>
#include <system_error>

#include "core/record/text.h"

namespace mokuza::app {
namespace {

namespace fs = std::filesystem;

fs::path freeKeptName(const fs::path& file) {
  fs::path kept = file;
  kept += ".unreadable";
  std::error_code ec;
  for (int n = 2; fs::symlink_status(kept, ec).type() != fs::file_type::not_found; ++n) {
    kept = file;
    kept += ".unreadable." + std::to_string(n);
  }
  return kept;
}

// A copy keeps a linked file's link (the new settings go to its target); a
// file that cannot even be copied is moved aside.
bool keepAside(const fs::path& file, const fs::path& kept) {
  std::error_code ec;
  if (fs::copy_file(file, kept, ec)) return true;
  fs::remove(kept, ec);
  fs::rename(file, kept, ec);
  return !ec;
}

}  // namespace

void keepUnreadableSettings(Application& app) {
  if (app.settingsRead != SettingsRead::Unreadable) return;
  const fs::path file = app.settingsContext().settingsFile;
  const fs::path kept = freeKeptName(file);
  if (!keepAside(file, kept)) return;  // stays Unreadable: the close leaves the file alone
  app.settingsRead = SettingsRead::Absent;
  app.services.messageBox({u"設定ファイルを読み込めませんでした。初期設定で起動します（元のファイルは" +
                               pathToText(kept.filename()) + u"として残しました）",
                           u"Mokuza", platform::Buttons::Ok, platform::Icon::Warning});
}

bool maySaveSettings(Application& app, bool mayAsk) {
  if (app.settingsRead == SettingsRead::Unreadable) return false;
  if (app.settingsRead != SettingsRead::InPart) return true;
  if (!mayAsk) return false;
  const platform::Answer answer = app.services.messageBox(
      {u"設定ファイルに読み込めない文字がありました。保存すると失われます。保存しますか？", u"Mokuza",
       platform::Buttons::YesNo, platform::Icon::Warning, true});
  if (answer != platform::Answer::Yes) return false;
  app.settingsRead = SettingsRead::Whole;
  return true;
}

}  // namespace mokuza::app
