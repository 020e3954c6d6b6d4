#pragma once
// Paths in playlist files: written relative to the playlist's folder, looked
// up again when read (the playlist may have moved, and so may its games), and
// the table of files that the list window moved or renamed.

#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "playlist/playlist.h"

namespace mokuza {

constexpr std::size_t kMovedFilesMax = 10000;
constexpr std::size_t kMovedPathMax = 511;

// '\' becomes '/', "." and ".." are worked out; a trailing separator stays.
std::u16string normalisedPath(std::u16string_view path);
// `rest` below `base`, or `rest` itself when it is absolute.
std::u16string joinPath(std::u16string_view base, std::u16string_view rest);
// The folder with exactly one trailing '/'.
std::u16string asFolder(std::u16string_view folder);

// `target` (a folder or file) relative to the folder `base`, without a trailing
// separator; empty when they are the same. A target that is not absolute is
// returned as it is.
std::u16string relativePath(std::u16string_view target, std::u16string_view base);

bool pathExists(std::u16string_view path);

// The "$old>new|" records in front of a playlist file's tags. The scan stops
// at the first '<', and after 1000 characters unless each further '$' extends
// it by 1000. Records whose paths are longer than kMovedPathMax or equal are
// dropped; at most kMovedFilesMax are kept.
std::vector<MovedFile> parseMovedFiles(std::u16string_view text);
// Each new path that is some record's old path becomes that record's new path
// in turn, so that a file moved twice is found where it went last.
void followMovedFiles(std::vector<MovedFile>& records);
// One "$old>new|\n" line per record; a record that could not be read back
// (a '<' anywhere, a '>' in the old path, a '|' in the new one) is left out.
std::u16string formatMovedFiles(const std::vector<MovedFile>& records);

// Finds what a playlist file's path values name.
class PathResolver {
 public:
  PathResolver(std::u16string playlistFolder, std::u16string beforeFolder, std::filesystem::path programFolder,
               std::vector<MovedFile> movedFiles);

  void setBeforeFolder(std::u16string folder) { beforeFolder_ = std::move(folder); }

  // The first existing candidate as a full path: the playlist's folder +
  // folderPart + value, the before folder + folderPart + value, folderPart +
  // value (from the program folder); then, for a value that is the name of a
  // moved file, where it went. '\' separates folders as '/' does. Empty when
  // nothing exists.
  std::u16string resolve(std::u16string_view value, std::u16string_view folderPart) const;

  const std::u16string& playlistFolder() const { return playlistFolder_; }

 private:
  std::u16string playlistFolder_;
  std::u16string beforeFolder_;
  std::u16string programFolder_;
  std::vector<MovedFile> movedFiles_;
  std::unordered_map<std::u16string, std::size_t> movedByName_;  // file name -> first record
};

}  // namespace mokuza
