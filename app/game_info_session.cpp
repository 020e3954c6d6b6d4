#include "app/game_info_session.h"

#include "app/board_input.h"
#include "app/view_refresh.h"
#include "core/document/recent_files.h"
#include "core/record/text.h"
#include "playlist/file_lock.h"
#include "playlist/list_changes.h"
#include "playlist/list_texts.h"
#include "playlist/snapshots.h"

namespace mokuza::app {
namespace {

// The entries selected in the list window, in the order it shows them.
std::vector<int> selectedInListOrder(const Playlist& playlist) {
  std::vector<int> games;
  for (int record : playlist.displayOrder)
    if (playlist.list.selected.contains(record)) games.push_back(record);
  return games;
}

// While counting is shown, its margin in tenths of a point (black ahead when
// positive); a range count is held in whole points.
std::optional<int> countedMarginTenths(const Application& app) {
  if (!app.counting.countingMode) return std::nullopt;
  const Score score = computeScore(app.counting, app.doc.board, parseKomiTenths(app.doc.record().header(u"コミ")));
  return score.range ? score.difference * 10 : score.difference;
}

PlaylistEntry* listedEntry(Playlist& playlist, int record) {
  if (placeOf(playlist, record) < 0) return nullptr;
  return &playlist.entries.at(static_cast<std::size_t>(record));
}

// The batch changed entries of the playlist: its file follows, and the undo
// entry the batch recorded takes the snapshot of that write.
void writePlaylistAfterBatch(Application& app) {
  if (app.playlist.path.empty()) return;
  PlaylistContext context = app.playlistContext();
  bool written = false;
  {
    const FileLock lock(textToPath(app.playlist.path));
    written = saveLockedPlaylist(context);
  }
  if (!written) {
    reportWriteFailure(context);
    return;
  }
  Document& doc = app.doc;
  if (doc.undoIndex >= 0 && doc.undoIndex < static_cast<int>(doc.undoEntries.size()))
    doc.undoEntries[static_cast<std::size_t>(doc.undoIndex)].state.playlistSnapshot = doc.state.playlistSnapshot;
}

}  // namespace

GameInfoSession beginGameInfo(const Application& app, int mode) {
  GameInfoSession session;
  if (mode != kGameInfoBatch) {
    session.form = showGameInfo(app.doc);
    session.game = app.doc.record().pool;
    return session;
  }
  session.batchGames = selectedInListOrder(app.playlist);
  std::vector<const PlaylistEntry*> games;
  for (int record : session.batchGames) games.push_back(&app.playlist.entries.at(static_cast<std::size_t>(record)));
  session.form = showBatchGameInfo(games, selectionText(app.playlist));
  return session;
}

void openGameInfo(Application& app, int mode) {
  const EventScope scope(app);
  if (!app.gameInfo || app.gameInfo->form.mode != mode) app.gameInfo = beginGameInfo(app, mode);
  app.window.showDialog(mode == kGameInfoBatch ? DialogKind::BatchGameInfo : DialogKind::GameInfo);
}

void editGameInfoField(Application& app, std::size_t field, std::u16string text) {
  const EventScope scope(app);
  if (!app.gameInfo || field >= app.gameInfo->form.values.size()) return;
  app.gameInfo->form.values[field] = std::move(text);
  app.gameInfo->edited = true;
}

bool gameInfoSessionCommand(Application& app, int id, bool checked) {
  const EventScope scope(app);
  if (!app.gameInfo) return false;
  app.gameInfo->edited = true;
  return gameInfoCommand(app.gameInfo->form, id, checked, app.doc, app.services, countedMarginTenths(app));
}

void closeGameInfo(Application& app) {
  const EventScope scope(app);
  app.gameInfo.reset();
}

GameInfoOutcome applyGameInfoSession(Application& app) {
  const EventScope scope(app);
  if (!app.gameInfo) return GameInfoOutcome::Cancelled;
  GameInfoSession& session = *app.gameInfo;
  const bool batch = session.form.mode == kGameInfoBatch;
  GameInfoTargets targets;
  targets.loadedEntry = app.doc.state.playlistIndex > 0 ? shownEntry(app.playlist) : nullptr;
  for (int record : session.batchGames)
    if (PlaylistEntry* entry = listedEntry(app.playlist, record)) targets.selectedGames.push_back(entry);
  targets.playlistName = std::u16string(fileNameOf(app.playlist.path));
  targets.playlistGameCount = app.playlist.gameCount();
  targets.showProgress = [&app](const std::u16string& title) {
    app.shownViews->title = title;
    app.window.setTitle(title);
  };

  const GameInfoOutcome outcome = applyGameInfo(app.doc, app.services, session.form, targets);
  if (outcome == GameInfoOutcome::Cancelled) return outcome;
  if (batch && !targets.selectedGames.empty()) writePlaylistAfterBatch(app);
  app.gameInfo.reset();
  refreshShownMove(app);
  return outcome;
}

MoveInfoSession beginMoveInfo(const Application& app) { return {editMoveInfo(app.doc)}; }

bool applyMoveInfoSession(Application& app, const MoveInfoSession& session) {
  const EventScope scope(app);
  if (!applyMoveInfo(app.doc, session.form)) return false;
  refreshShownMove(app);
  return true;
}

}  // namespace mokuza::app
