#include "playlist/list_changes.h"

#include "core/document/undo.h"
#include "playlist/playlist_writer.h"
#include "playlist/snapshots.h"

namespace mokuza {

void reportWriteFailure(PlaylistContext& context) {
  context.services.messageBox(
      {u"プレイリストを保存できませんでした", u"エラー", platform::Buttons::Ok, platform::Icon::Error});
}

int commitListChange(PlaylistContext& context, std::u16string_view description) {
  const bool confirmed = confirmShortenedWrite(context.playlist, context.services);
  const bool written = confirmed && SavePlaylistWithSnapshots(context);
  recordUndo(context.doc, description);
  if (written) return kListDone;
  if (!confirmed) return kListNotWritten;
  reportWriteFailure(context);
  return kListWriteFailed;
}

}  // namespace mokuza
