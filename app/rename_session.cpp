#include "app/rename_session.h"

#include "app/list_window.h"
#include "app/view_refresh.h"
#include "core/document/recent_files.h"

namespace mokuza::app {

RenameSession beginRename(const Application& app) {
  RenameSession session;
  session.fileLabel = app.listModel.renameLabel;
  session.pattern = initialRenamePattern(app.playlist, session.fileLabel);
  return session;
}

void insertRenameTag(RenameSession& session, std::size_t tag, std::size_t position) {
  if (tag >= kRenameTags.size()) return;
  session.pattern.insert(std::min(position, session.pattern.size()), kRenameTags[tag].code);
}

std::vector<RenamePreviewRow> renamePreview(const Application& app, const RenameSession& session) {
  const int tagMax = option(app.doc.state.options, DocumentOption::RenameTagMax);
  std::vector<RenamePreviewRow> rows;
  for (PlannedMove& move : planRenames(app.playlist, session.fileLabel, session.pattern, tagMax)) {
    RenamePreviewRow row{std::u16string(fileNameOf(move.oldPath)), std::u16string(fileNameOf(move.newPath)), {}};
    row.move = std::move(move);
    rows.push_back(std::move(row));
  }
  return rows;
}

std::vector<std::u16string> renamePreviewLines(const std::vector<RenamePreviewRow>& rows) {
  std::vector<std::u16string> lines;
  lines.reserve(rows.size());
  for (const RenamePreviewRow& row : rows) lines.push_back(row.oldName + u" → " + row.newName);
  return lines;
}

FileMoveOutcome applyRename(Application& app, const RenameSession& session) {
  const EventScope scope(app);
  PlaylistContext context = app.playlistContext();
  FileMoveOutcome outcome = renameFiles(context, session.fileLabel, session.pattern);
  app.listModel.renameLabel.clear();
  return outcome;
}

}  // namespace mokuza::app
