#pragma once
// The one way the program reads and writes the files a user or a playlist
// names: games, playlists, settings, figure lists, history, images, sounds,
// MIDI. Reading accepts regular files only, up to a size the caller names, so
// a FIFO, a device or a folder can neither block nor exhaust memory. Writing
// replaces a file whole or leaves it untouched.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace mokuza::platform {

// Why a file could not be read or written.
enum class FileProblem {
  None,
  Missing,     // no file of that name (or its folder is missing)
  Folder,      // the name is a folder
  NotRegular,  // a FIFO, a device, a socket
  TooLarge,    // larger than the reader's limit
  ReadOnly,    // a file whose permissions forbid writing
  Failed,      // the system refused or failed: no permission, disk full ...
};

// Whether a file could be read or written, and if not why.
struct FileStatus {
  FileProblem problem = FileProblem::None;
  std::string error;  // names the path and the reason; empty when all went well

  bool ok() const { return problem == FileProblem::None; }
  explicit operator bool() const { return ok(); }
};

struct FileRead : FileStatus {
  std::string bytes;
};

// Whether readUserFile would take the file, without opening it: for callers
// that hand the path on to a reader that stays silent about failures.
FileStatus checkUserFile(const std::filesystem::path& path, std::uintmax_t maxBytes);

// The whole of a regular file of at most maxBytes bytes. Never opens what is
// not a regular file.
FileRead readUserFile(const std::filesystem::path& path, std::uintmax_t maxBytes);

// Replaces the file with `bytes`, whole or not at all: the bytes go to a new
// file of an unpredictable name in the same folder, are flushed to the disk
// and renamed over the old file, which keeps its permission bits. A symbolic
// link is followed and its target replaced. A target that is not a regular
// file, or is read-only, is refused. Temporaries of the same file that a
// killed write left behind go once it is written.
FileStatus writeUserFile(const std::filesystem::path& path, std::string_view bytes);

// When a regular file was last written and how long it is, in one look at
// it: what tells a changed file without reading it.
struct FileStamp {
  std::int64_t modifiedNs = 0;
  std::uintmax_t bytes = 0;
  bool operator==(const FileStamp&) const = default;
};
// Nothing when the path names no regular file.
std::optional<FileStamp> fileStamp(const std::filesystem::path& path);

// Whether two paths name one file (through links, too); false when either is missing.
bool isSameFile(const std::filesystem::path& a, const std::filesystem::path& b);

}  // namespace mokuza::platform
