#include "playlist/playlist_context.h"

#include <cstdlib>

namespace mokuza {

PlaylistEntry shownDesign(const DocumentState& state) {
  PlaylistEntry design = state.gameInfo;
  design.number = state.design.number;
  design.figureEnds = state.design.figureEnds;
  design.intFields = state.design.intFields;
  return design;
}

void setShownDesign(DocumentState& state, const PlaylistEntry& design) {
  state.design.number = design.number;
  state.design.figureEnds = design.figureEnds;
  state.design.intFields = design.intFields;
  state.gameInfo.textFields = design.textFields;
  state.gameInfo.fileFolders = design.fileFolders;
  state.gameInfo.fileNames = design.fileNames;
}

void storeShownDesign(PlaylistContext& context) {
  Playlist& playlist = context.playlist;
  if (playlist.currentGameIndex <= 0 || context.doc.state.playlistIndex != playlist.currentGameIndex) return;
  PlaylistEntry* entry = shownEntry(playlist);
  if (!entry) return;
  const std::int32_t number = entry->number;
  CopyEntry(*entry, shownDesign(context.doc.state));
  entry->number = number;
}

void showEntryDesign(PlaylistContext& context) {
  Playlist& playlist = context.playlist;
  PlaylistEntry* entry = shownEntry(playlist);
  // Only a playlist game on screen follows its entry.
  if (!entry || playlist.currentGameIndex <= 0 || context.doc.state.playlistIndex <= 0) return;
  setShownDesign(context.doc.state, *entry);
  context.doc.state.playlistIndex = playlist.currentGameIndex;
  if (context.reopenShownGame) context.reopenShownGame();
}

bool numbersFixed(const PlaylistContext& context) {
  return switchOn(context.doc.globalOptions, GlobalOption::PlaylistNumberFixed);
}

void connectOutsideGames(Document& doc, Playlist& playlist) {
  doc.hooks.outsideGameOpened = [&playlist] { playlist.currentGameIndex = -std::abs(playlist.currentGameIndex); };
}

}  // namespace mokuza
