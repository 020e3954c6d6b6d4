#include "playlist/list_clipboard.h"

#include <algorithm>

#include "core/record/decimal.h"
#include "playlist/design_fields.h"
#include "playlist/list_texts.h"
#include "playlist/playlist_reader.h"
#include "playlist/playlist_writer.h"

namespace mokuza {
namespace {

ListOutcome copyToClipboard(PlaylistContext& context) {
  const std::u16string text = playlistClipboardText(context.playlist, context.playlist.list.copiedGames,
                                                    {context.programFolder, context.doc.currentMove()});
  return context.services.setClipboardText(text) == platform::ClipboardStatus::Ok ? ListOutcome::Done
                                                                                  : ListOutcome::Refused;
}

bool shownAmong(const Playlist& playlist, const std::set<int>& records) {
  return playlist.currentGameIndex > 0 && records.contains(playlist.currentGameIndex - 1);
}

// The paste rule: `target` takes every design field of `source` but keeps its
// game file, its information and dates, its number, its figure ends,
// "最終譜最少手数" and "棋譜並べ最終手".
void pasteDesignInto(PlaylistEntry& target, const PlaylistEntry& source) {
  PlaylistEntry result = source;
  result.number = target.number;
  result.figureEnds = target.figureEnds;
  result.textFields = target.textFields;
  result.fileFolders.erase(std::u16string(kSgfFileLabel));
  result.fileNames.erase(std::u16string(kSgfFileLabel));
  if (auto it = target.fileFolders.find(kSgfFileLabel); it != target.fileFolders.end())
    result.fileFolders.insert_or_assign(it->first, it->second);
  if (auto it = target.fileNames.find(kSgfFileLabel); it != target.fileNames.end())
    result.fileNames.insert_or_assign(it->first, it->second);
  for (DesignField field : {DesignField::RcFraction, DesignField::LastMove}) {
    const std::u16string_view kept = fieldInfo(field).label;
    result.intFields.erase(std::u16string(kept));
    if (auto it = target.intFields.find(kept); it != target.intFields.end())
      result.intFields.insert_or_assign(it->first, it->second);
  }
  target = std::move(result);
}

}  // namespace

ListOutcome copyGames(PlaylistContext& context) {
  Playlist& playlist = context.playlist;
  std::vector<int> records;
  for (int record : playlist.list.selected)
    if (placeOf(playlist, record) >= 0) records.push_back(record);
  if (records.empty()) return ListOutcome::Nothing;
  storeShownDesign(context);
  playlist.list.copiedGames.clear();
  for (int record : records) playlist.list.copiedGames.push_back(playlist.entries[static_cast<std::size_t>(record)]);
  playlist.list.copiedRecords = records;
  return copyToClipboard(context);
}

ListOutcome copyShownGame(PlaylistContext& context) {
  Playlist& playlist = context.playlist;
  storeShownDesign(context);
  playlist.list.copiedGames = {shownDesign(context.doc.state)};
  playlist.list.copiedRecords = {context.doc.state.playlistIndex > 0 ? context.doc.state.playlistIndex - 1 : -1};
  return copyToClipboard(context);
}

ListOutcome pasteGames(PlaylistContext& context) {
  Playlist& playlist = context.playlist;
  PlaylistEntry design = shownDesign(context.doc.state);
  if (ReadPlaylist(playlist, design, u"", true, context.services, context.programFolder) != kPlaylistReadOk ||
      playlist.list.copiedGames.empty())
    return ListOutcome::Nothing;
  if (playlist.isFull()) {
    context.services.messageBox({u"プレイリストは" + decimalText(kPlaylistCapacity) + u"局までです", u"Mokuza",
                                 platform::Buttons::Ok, platform::Icon::Warning});
    return ListOutcome::Refused;
  }
  storeShownDesign(context);
  const std::vector<int> places = selectedPlaces(playlist);
  std::size_t insertAt = places.empty() ? playlist.displayOrder.size() : static_cast<std::size_t>(places.back()) + 1;
  std::int32_t number = largestNumber(playlist);
  std::set<int> pasted;
  for (const PlaylistEntry& copy : playlist.list.copiedGames) {
    if (playlist.isFull()) break;
    PlaylistEntry entry = copy;
    entry.number = ++number;
    const int record = storeRecord(playlist, std::move(entry));
    playlist.displayOrder.insert(playlist.displayOrder.begin() + static_cast<std::ptrdiff_t>(insertAt++), record);
    pasted.insert(record);
  }
  renumber(playlist, numbersFixed(context));
  playlist.list.selected = pasted;
  playlist.list.anchor = *pasted.begin();
  return commitListChange(context, u"貼り付け" + selectionText(playlist));
}

ListOutcome pasteDesign(PlaylistContext& context, bool fromShownDesign) {
  Playlist& playlist = context.playlist;
  std::set<int> targets;
  for (int record : playlist.list.selected)
    if (placeOf(playlist, record) >= 0) targets.insert(record);
  if (targets.empty()) return ListOutcome::Nothing;
  storeShownDesign(context);
  PlaylistEntry source;
  if (fromShownDesign) source = shownDesign(context.doc.state);
  else if (!playlist.list.copiedGames.empty()) source = playlist.list.copiedGames.front();
  else return ListOutcome::Nothing;

  for (int record : targets) pasteDesignInto(playlist.entries[static_cast<std::size_t>(record)], source);
  if (shownAmong(playlist, targets)) showEntryDesign(context);
  const std::u16string name = fromShownDesign ? u"現在のデザインを貼り付け" : u"デザインを貼り付け";
  return commitListChange(context, name + selectionText(playlist));
}

ListOutcome swapDesigns(PlaylistContext& context) {
  Playlist& playlist = context.playlist;
  const ListState& list = playlist.list;
  if (list.copiedGames.size() != 1 || list.copiedRecords.size() != 1 || list.selected.size() != 1)
    return ListOutcome::Nothing;
  const int copied = list.copiedRecords.front();
  const int selected = *list.selected.begin();
  const bool copiedListed = copied >= 0 && placeOf(playlist, copied) >= 0 &&
                            FilePath(playlist.entries[static_cast<std::size_t>(copied)], kSgfFileLabel) ==
                                FilePath(list.copiedGames.front(), kSgfFileLabel);
  if (!copiedListed) {
    context.services.messageBox({u"コピー元の対局が現在のリストにないため\n入れ替えできませんでした", u"エラー",
                                 platform::Buttons::Ok, platform::Icon::Error});
    return ListOutcome::Refused;
  }
  if (placeOf(playlist, selected) < 0 || selected == copied) return ListOutcome::Nothing;
  storeShownDesign(context);
  PlaylistEntry& a = playlist.entries[static_cast<std::size_t>(copied)];
  PlaylistEntry& b = playlist.entries[static_cast<std::size_t>(selected)];
  const PlaylistEntry before = a;
  pasteDesignInto(a, b);
  pasteDesignInto(b, before);
  if (shownAmong(playlist, {copied, selected})) showEntryDesign(context);
  return commitListChange(context,
                          u"デザインを入れ替え [No." + decimalText(a.number) + u",No." + decimalText(b.number) + u"]");
}

}  // namespace mokuza
