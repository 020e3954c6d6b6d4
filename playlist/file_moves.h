#pragma once
// Moving and renaming the game or design files of the selected games, on disk
// and in every entry that uses them.

#include <string>
#include <string_view>
#include <vector>

#include "playlist/list_changes.h"

namespace mokuza {

constexpr int kFileMoveLimit = 5000;
inline constexpr std::u16string_view kDefaultRenamePattern = u"<PB>-<PW>_<DT>";

struct PlannedMove {
  std::u16string oldPath;
  std::u16string newPath;
  bool operator==(const PlannedMove&) const = default;
};

// The pattern with each "<XY>" replaced: FN by the file's name without its
// extension, any other code by the game-information value of that SGF
// identifier cut to tagMax characters (all of it when tagMax is -1); characters
// that file names cannot hold become '_'.
std::u16string expandRenamePattern(std::u16string_view pattern, const PlaylistEntry& entry,
                                   std::u16string_view fileLabel, int tagMax);

// "<PB>-<PW>_<DT>" when the selected games use different files, else the
// name of the anchor's file without its extension.
std::u16string initialRenamePattern(const Playlist& playlist, std::u16string_view fileLabel);

// What renaming or moving would do for the selected games: each file once, to
// a name that no file has (a taken name gets " (2)", " (3)", ...). Only a
// regular file (or a link to one) named by its full path is touched, with an
// extension of its field (.sgf; .jpg, .jpeg, .png, .bmp, .gif; .wav), which it
// keeps, and never under a hidden name.
std::vector<PlannedMove> planRenames(const Playlist& playlist, std::u16string_view fileLabel,
                                     std::u16string_view pattern, int tagMax);
std::vector<PlannedMove> planMoves(const Playlist& playlist, std::u16string_view fileLabel, std::u16string_view folder);

struct FileMoveOutcome {
  ListOutcome status = ListOutcome::Nothing;
  std::vector<PlannedMove> done;  // the files now at their new paths
  std::u16string error;           // the system's text when a move failed part-way
};

// The window commands once the pattern or the folder is known: refused over
// kFileMoveLimit selected games; asks first while first_confirmation is a
// multiple of 10; shows every file it will touch, old and new full path, and
// goes on only on OK; then moves the files, gives every entry that used a
// file (or a link to it) its new path, writes the playlist with the moved-file
// records, and logs the operation as the one entry the history keeps. A
// failure part-way keeps what was done, in the files and the playlist alike,
// and says which. When the playlist cannot be written, the files are put back
// (ListOutcome::WriteFailed; `done` names any that could not be).
FileMoveOutcome renameFiles(PlaylistContext& context, std::u16string_view fileLabel, std::u16string_view pattern);
FileMoveOutcome moveFiles(PlaylistContext& context, std::u16string_view fileLabel, std::u16string_view folder);

}  // namespace mokuza
