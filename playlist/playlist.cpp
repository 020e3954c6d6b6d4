#include "playlist/playlist.h"

#include <algorithm>

#include "playlist/design_fields.h"

namespace mokuza {

void CopyEntry(PlaylistEntry& destination, const PlaylistEntry& source) { destination = source; }

PlaylistEntry* shownEntry(Playlist& playlist) {
  const int index = playlist.currentGameIndex - 1;
  if (index < 0 || index >= static_cast<int>(playlist.entries.size()) || placeOf(playlist, index) < 0) return nullptr;
  return &playlist.entries[static_cast<std::size_t>(index)];
}

void renumber(Playlist& playlist, bool numbersFixed) {
  if (numbersFixed) return;
  std::int32_t place = 0;
  for (int record : playlist.displayOrder) playlist.entries[static_cast<std::size_t>(record)].number = ++place;
}

std::int32_t largestNumber(const Playlist& playlist) {
  std::int32_t largest = -1;
  for (int record : playlist.displayOrder)
    largest = std::max(largest, playlist.entries[static_cast<std::size_t>(record)].number);
  return largest;
}

int addGameNumbered(Playlist& playlist, const PlaylistEntry& shownDesign, std::u16string_view path,
                    std::u16string_view date, std::int32_t number) {
  if (playlist.isFull()) return -1;
  PlaylistEntry entry;
  entry.number = number;
  entry.intFields = shownDesign.intFields;
  setDesignValue(entry, DesignField::LastMove, kLastMoveWhole);
  for (const FileFieldInfo& field : kFileFields) {
    if (field.field == FileField::SgfFile) continue;
    auto folder = shownDesign.fileFolders.find(field.label);
    auto name = shownDesign.fileNames.find(field.label);
    if (folder != shownDesign.fileFolders.end()) entry.fileFolders.emplace(folder->first, folder->second);
    if (name != shownDesign.fileNames.end()) entry.fileNames.emplace(name->first, name->second);
  }
  entry.textFields.emplace(kRegisteredLabel, date);
  entry.textFields.emplace(kAccessedLabel, date);
  SetFilePath(entry, kSgfFileLabel, path);

  const int record = storeRecord(playlist, std::move(entry));
  playlist.displayOrder.push_back(record);
  return record;
}

int storeRecord(Playlist& playlist, PlaylistEntry entry) {
  if (!playlist.freeRecords.empty()) {
    const int record = playlist.freeRecords.back();
    playlist.freeRecords.pop_back();
    playlist.entries[static_cast<std::size_t>(record)] = std::move(entry);
    return record;
  }
  playlist.entries.push_back(std::move(entry));
  return static_cast<int>(playlist.entries.size()) - 1;
}

int AddGame(Playlist& playlist, const PlaylistEntry& shownDesign, std::u16string_view path, std::u16string_view date,
            bool numbersFixed) {
  // A lone game starts at 0; renumbering makes it 1 unless numbers are fixed.
  const int record = addGameNumbered(playlist, shownDesign, path, date, largestNumber(playlist) + 1);
  if (record >= 0) renumber(playlist, numbersFixed);
  return record;
}

int removeGames(Playlist& playlist, const std::set<int>& records) {
  int smallest = -1;
  std::vector<int> kept;
  kept.reserve(playlist.displayOrder.size());
  for (std::size_t place = 0; place < playlist.displayOrder.size(); ++place) {
    const int record = playlist.displayOrder[place];
    if (!records.contains(record)) {
      kept.push_back(record);
      continue;
    }
    if (smallest < 0) smallest = static_cast<int>(place);
    playlist.entries[static_cast<std::size_t>(record)] = PlaylistEntry();
    playlist.freeRecords.push_back(record);
  }
  playlist.displayOrder = std::move(kept);
  return smallest;
}

void InitialDesign(PlaylistEntry& shownDesign) {
  const Design initial = makeInitialDesign();
  shownDesign.intFields = initial.intFields;
  for (const FileFieldInfo& field : kFileFields) {
    if (field.field == FileField::SgfFile) continue;
    SetFilePath(shownDesign, field.field, FilePath(initial, field.field));
  }
}

int placeOf(const Playlist& playlist, int record) {
  auto it = std::find(playlist.displayOrder.begin(), playlist.displayOrder.end(), record);
  return it == playlist.displayOrder.end() ? -1 : static_cast<int>(it - playlist.displayOrder.begin());
}

}  // namespace mokuza
