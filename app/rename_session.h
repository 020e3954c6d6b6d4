#pragma once
// The "名前変更" dialog of the list window: a name pattern for the chosen file
// of every selected game, and the list of old and new names it would give,
// shown before any file moves.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "app/application.h"
#include "playlist/file_moves.h"

namespace mokuza::app {

// The buttons that put a game-information tag into the pattern.
struct RenameTag {
  std::u16string_view label;
  std::u16string_view code;
};
inline constexpr std::array<RenameTag, 5> kRenameTags{{
    {u"黒対局者＜PB＞", u"<PB>"},
    {u"白対局者＜PW＞", u"<PW>"},
    {u"対局日時＜DT＞", u"<DT>"},
    {u"ゲーム名＜GN＞", u"<GN>"},
    {u"大会名＜EV＞", u"<EV>"},
}};

struct RenameSession {
  std::u16string fileLabel;  // the file field renamed ("SGFファイル", "黒石画像", ...)
  std::u16string pattern;
};

// One line of the preview: file names without their folders, and the paths.
struct RenamePreviewRow {
  std::u16string oldName;
  std::u16string newName;
  PlannedMove move;
};

// The session for the file field the rename command chose, its pattern
// starting as the selection suggests.
RenameSession beginRename(const Application& app);

// Puts a tag's code into the pattern at a character position (the end when
// past it).
void insertRenameTag(RenameSession& session, std::size_t tag, std::size_t position);

// What OK would do, each file once: old and new name. A missing file, a file
// of another kind, and a name that would leave its folder are not in it; a
// name already taken gets a numbered one.
std::vector<RenamePreviewRow> renamePreview(const Application& app, const RenameSession& session);
// "old → new" per row.
std::vector<std::u16string> renamePreviewLines(const std::vector<RenamePreviewRow>& rows);

// OK: the files are renamed and the list follows them (the operation history
// is cleared, as for every file move).
FileMoveOutcome applyRename(Application& app, const RenameSession& session);

}  // namespace mokuza::app
