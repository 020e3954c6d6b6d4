#pragma once
// The open playlist: its games with their designs, the order of the list, the
// shown game, and what its file carries besides the games.

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/document/playlist_entry.h"
#include "playlist/column_layout.h"
#include "playlist/file_lock.h"

namespace mokuza {

constexpr int kPlaylistCapacity = 10000;
constexpr std::size_t kAliasNamesRead = 15;     // names a group can hold
constexpr std::size_t kAliasNamesWritten = 14;  // names a file stores per group
constexpr std::size_t kAliasNameLength = 29;

inline constexpr std::u16string_view kRegisteredLabel = u"登録日";
inline constexpr std::u16string_view kAccessedLabel = u"アクセス日";

// Names that denote one player (two or more make a group worth storing).
struct AliasGroup {
  std::vector<std::u16string> names;
  bool operator==(const AliasGroup&) const = default;
};

// A game or design file moved or renamed by the list window; the file keeps
// these records in front of its tagged text so that copies of the playlist
// still find the files.
struct MovedFile {
  std::u16string oldPath;
  std::u16string newPath;
  bool operator==(const MovedFile&) const = default;
};

// Before and after copies of the playlist file for every recorded change, so
// that undo and redo can put the file back.
struct SnapshotTable {
  std::filesystem::path folder;         // where the copies go; empty for the program folder's "temp"
  int counter = 0;                      // the last slot handed out
  int current = 0;                      // the slot whose state the files on disk hold
  std::map<int, std::u16string> paths;  // slot -> the playlist file it copied
};

// The selection of the list window and what its commands keep between calls.
struct ListState {
  std::set<int> selected;  // entry indices
  int anchor = -1;         // the entry last clicked
  std::optional<std::vector<int>> savedOrder;
  // The column a header click sorted by, its direction and the order it made:
  // the direction holds while the list keeps that order.
  std::u16string sortedBy;
  bool sortedDescending = false;
  std::vector<int> sortedOrder;
  std::vector<PlaylistEntry> copiedGames;
  std::vector<int> copiedRecords;  // the entries the copies came from
};

struct Playlist {
  std::vector<PlaylistEntry> entries;  // records, deleted ones included until reused
  std::vector<int> displayOrder;       // indices into entries, in the order of the list and the file
  std::vector<int> freeRecords;        // records of deleted games, taken first by additions
  int currentGameIndex = 0;            // 1-based entry of the shown game; negative while the shown game is from outside
  int shownMove = 0;                   // the move shown when the file was written
  int gamesLeftOut = 0;                // games its file holds beyond what the reader could take: writing loses them
  bool bytesReplaced = false;          // its file held bytes that could not be decoded: writing loses them

  // Whether the file was read in part, so that writing it loses something.
  bool readInPart() const { return gamesLeftOut > 0 || bytesReplaced; }

  std::u16string path;                 // the .gpl file
  std::u16string folder;               // its folder, ending in a separator
  std::u16string beforeFolder;         // the folder the file was written in, for files that moved with it
  std::optional<FileStamp> fileStamp;  // the file as this playlist last read or wrote it

  ColumnLayout columns = defaultPlaylistColumns();
  std::vector<AliasGroup> aliasGroups;
  std::vector<MovedFile> movedFiles;

  ListState list;
  SnapshotTable snapshots;

  int gameCount() const { return static_cast<int>(displayOrder.size()); }
  bool isFull() const { return gameCount() >= kPlaylistCapacity; }
};

// Copies every field: number, figure ends and the four maps.
void CopyEntry(PlaylistEntry& destination, const PlaylistEntry& source);

// The entry of the shown game, or nothing when the shown game is not one of
// the playlist's.
PlaylistEntry* shownEntry(Playlist& playlist);

// Numbers follow the places in the list unless they are fixed.
void renumber(Playlist& playlist, bool numbersFixed);

// The largest number among the listed games, or -1 when the list is empty.
std::int32_t largestNumber(const Playlist& playlist);

// Adds a game with the shown design's design fields, figure-replay end 999,
// both dates `date` and the game file `path`; it takes a freed record first.
// Returns its entry index, or -1 when the playlist is full.
int AddGame(Playlist& playlist, const PlaylistEntry& shownDesign, std::u16string_view path, std::u16string_view date,
            bool numbersFixed);

// Adds a game without renumbering, numbered `number`: for callers that add
// many games and renumber once.
int addGameNumbered(Playlist& playlist, const PlaylistEntry& shownDesign, std::u16string_view path,
                    std::u16string_view date, std::int32_t number);

// Puts an entry into a freed record, or a new one; the caller lists it.
int storeRecord(Playlist& playlist, PlaylistEntry entry);

// Takes the listed games at these entries out of the list; their records go
// to the pool. Returns the smallest place they had, or -1 when none was listed.
int removeGames(Playlist& playlist, const std::set<int>& records);

// The shown design back at the initial values (the game's own file and
// information stay).
void InitialDesign(PlaylistEntry& shownDesign);

// The place of an entry in the list, or -1.
int placeOf(const Playlist& playlist, int record);

}  // namespace mokuza
