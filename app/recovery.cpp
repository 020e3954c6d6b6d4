#include "app/recovery.h"

#include <string>
#include <system_error>

#include "core/document/design_fields.h"
#include "core/document/game_files.h"
#include "core/record/text.h"

namespace mokuza::app {
namespace {

namespace fs = std::filesystem;

// A declined copy keeps its game under a name of its own, which start-up
// does not offer.
fs::path setAsideName(const fs::path& copy, std::time_t now) {
  std::error_code ec;
  for (int n = 0;; ++n) {
    fs::path aside = copy.parent_path() / ("unsaved-" + std::to_string(now) + (n ? "-" + std::to_string(n) : "") + ".sgf");
    if (fs::symlink_status(aside, ec).type() == fs::file_type::not_found) return aside;
  }
}

}  // namespace

fs::path recoveryCopyPath(const fs::path& programFolder) { return programFolder / "recovery" / "unsaved.sgf"; }

void refreshRecoveryCopy(Application& app) {
  const fs::path copy = recoveryCopyPath(app.programFolder);
  std::error_code ec;
  if (!app.doc.state.modified) {
    fs::remove(copy, ec);
    return;
  }
  fs::create_directories(copy.parent_path(), ec);
  writeGameFile(app.doc.record(), pathToText(copy));
}

bool offerRecoveryCopy(Application& app) {
  const fs::path copy = recoveryCopyPath(app.programFolder);
  if (!platform::checkUserFile(copy, kTextFileMax)) return false;
  const platform::Answer answer = app.services.messageBox(
      {u"前回保存されなかった棋譜があります。開きますか？", u"Mokuza", platform::Buttons::YesNo, platform::Icon::Question});
  std::error_code ec;
  if (answer != platform::Answer::Yes) {
    fs::rename(copy, setAsideName(copy, app.services.now()), ec);
    return false;
  }
  if (openGameFile(app.doc, app.services, pathToText(copy)) != OpenOutcome::Opened) return false;
  // The game is the unsaved one again: saving asks where it goes (never into
  // the copy, which the next refresh would remove), and the copy stays until
  // the edits are saved or given up.
  app.doc.state.modified = true;
  app.doc.state.currentFileName.clear();
  SetFilePath(app.doc.state.gameInfo, FileField::SgfFile, u"");
  std::erase(app.doc.recentGames.paths, pathToText(copy));
  return true;
}

}  // namespace mokuza::app
