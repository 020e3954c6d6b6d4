#include "playback/playlist_games.h"

#include <cstdlib>
#include <filesystem>

#include "core/document/game_files.h"
#include "core/document/navigation.h"
#include "core/document/recent_files.h"
#include "core/document/undo.h"
#include "core/record/decimal.h"
#include "core/record/text.h"
#include "playback/design_values.h"
#include "playback/figure_replay.h"
#include "playlist/local_time.h"
#include "playlist/playlist_reader.h"

namespace mokuza::playback {
namespace {

void reportMissingFile(Playback& pb) {
  pb.services.messageBox({u"ファイルが見つかりませんでした", u"失敗", platform::Buttons::Ok, platform::Icon::Error});
}

void copyDesign(Design& shown, const PlaylistEntry& entry) {
  shown.number = entry.number;
  shown.figureEnds = entry.figureEnds;
  shown.intFields = entry.intFields;
}

void recordOpening(Playback& pb, PlaylistEntry& entry, std::u16string_view historyText) {
  if (historyText.empty()) return;
  if (historyText != kOpenHistoryText) {
    recordUndo(pb.doc, historyText);
    return;
  }
  const std::u16string now = localTimeText(pb.services);
  entry.textFields.insert_or_assign(std::u16string(kAccessedLabel), now);
  pb.doc.state.gameInfo.textFields.insert_or_assign(std::u16string(kAccessedLabel), now);
  const std::u16string path = FilePath(entry, kSgfFileLabel);
  recordUndo(pb.doc, u"対局を開く - " + std::u16string(stemOf(path)) + u" [No." + decimalText(entry.number) + u"] ");
}

// The shown game came from outside the list: the list is read again from its
// file, which every change of the list was written to, so the game opens as
// the file holds it. Returns the number of the entry that now stands at the
// place of `number` in the list, 0 when none does. A list without a readable
// file stays as it is.
int rereadPlaylist(Playback& pb, int number) {
  Playlist& playlist = pb.playlist;
  const int place = placeOf(playlist, number - 1);
  if (playlist.path.empty() || place < 0) return number;
  // The shown design stays: the opened game brings its own.
  PlaylistEntry discarded;
  if (ReadPlaylist(playlist, discarded, playlist.path, false, pb.services, pb.programFolder) != kPlaylistReadOk)
    return number;
  // Still outside until a game of the list is open; the file's shown entry is
  // the one last shown.
  playlist.currentGameIndex = -std::abs(playlist.currentGameIndex);
  return place < playlist.gameCount() ? playlist.displayOrder[static_cast<std::size_t>(place)] + 1 : 0;
}

// Figure replay reached by the next-game command plays the first figure.
void playFirstFigure(Playback& pb) {
  AutoPlayState& s = pb.autoPlay;
  if (s.running()) {
    if (!s.figureRun()) return;
    endShow(pb);
    s.autoPlayLap = kAutoPlayOff;
    s.figureRunStart = -1;
  }
  refreshFigureEnds(pb);
  s.figureRunStart = 0;
  s.figureRunEnd = nextFigureEnd(s.figureEnds, 0, showableEnd(pb.doc));
  ToggleAutoPlay(pb, false);
}

}  // namespace

bool gameFileExists(const PlaylistEntry& entry) {
  std::error_code ec;
  return std::filesystem::is_regular_file(textToPath(FilePath(entry, kSgfFileLabel)), ec);
}

OpenOutcome OpenPlaylistGame(Playback& pb, int number, std::u16string_view historyText, int direction) {
  Playlist& playlist = pb.playlist;
  Document& doc = pb.doc;
  if (playlist.currentGameIndex < 0) {
    if (playlist.gameCount() == 0) return OpenOutcome::Failed;
    number = rereadPlaylist(pb, number);
  }
  const int record = number - 1;
  if (record < 0 || record >= static_cast<int>(playlist.entries.size()) || placeOf(playlist, record) < 0)
    return OpenOutcome::Failed;
  PlaylistEntry& entry = playlist.entries[static_cast<std::size_t>(record)];
  if (!gameFileExists(entry)) {
    reportMissingFile(pb);
    return OpenOutcome::Failed;
  }

  // The design comes first: the replay of the game reads its timing.
  const Design previousDesign = doc.state.design;
  const int previousIndex = doc.state.playlistIndex;
  copyDesign(doc.state.design, entry);
  doc.state.playlistIndex = number;
  OpenRequest request;
  request.path = FilePath(entry, kSgfFileLabel);
  request.playlistEntry = &entry;
  if (openGame(doc, pb.services, request) != OpenOutcome::Opened) {
    doc.state.design = previousDesign;
    doc.state.playlistIndex = previousIndex;
    return OpenOutcome::Failed;
  }
  playlist.currentGameIndex = number;
  showMove(doc, doc.currentMove());

  ListState& list = playlist.list;
  if (!list.selected.contains(record) || list.selected.size() < 2) list.selected = {record};
  list.anchor = record;
  pb.changes.relayout = true;
  recordOpening(pb, entry, historyText);

  AutoPlayState& s = pb.autoPlay;
  // A new game on the board stops plain auto-play; a playlist show goes on
  // with the new game's range.
  if (s.running() && !s.figureRun()) ToggleAutoPlay(pb, s.playlistAutoPlay);
  if (direction == 1 && replayModeOn(doc.state.options) && autoNextFigure(doc) && (s.figureRun() || !s.running()))
    playFirstFigure(pb);
  if (pb.actions.playlistGameOpened) pb.actions.playlistGameOpened(number);
  return OpenOutcome::Opened;
}

std::int32_t rotationAfterLoop(std::int32_t gobanroll, int direction) {
  if (gobanroll < 0 || gobanroll > 9) return gobanroll;
  return ((gobanroll + direction) % 8 + 8) % 8;
}

OpenOutcome stepPlaylistGame(Playback& pb, int direction) {
  Playlist& playlist = pb.playlist;
  const int count = playlist.gameCount();
  if (count < 2) {
    pb.services.messageBox(
        {u"プレイリストに２局以上登録されていません", u"失敗", platform::Buttons::Ok, platform::Icon::Error});
    return OpenOutcome::Failed;
  }
  int place = placeOf(playlist, std::abs(playlist.currentGameIndex) - 1) + direction;
  bool wrapped = false;
  if (place < 0) {
    place = count - 1;
    wrapped = true;
  } else if (place >= count) {
    place = 0;
    wrapped = true;
  }
  const int record = playlist.displayOrder[static_cast<std::size_t>(place)];
  if (!gameFileExists(playlist.entries[static_cast<std::size_t>(record)])) {
    reportMissingFile(pb);
    return OpenOutcome::Failed;
  }
  if (wrapped) {
    auto& options = pb.doc.state.options.values;
    auto rotation = options.find(optionInfo(DocumentOption::LoadRotation).key);
    if (rotation != options.end()) rotation->second = rotationAfterLoop(rotation->second, direction);
  }
  return OpenPlaylistGame(pb, record + 1, kOpenHistoryText, direction);
}

}  // namespace mokuza::playback
