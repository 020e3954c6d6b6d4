#pragma once
// Two programs (or two windows) writing one playlist must not lose each
// other's games: a read-modify-write of the file holds an advisory lock on it,
// and a playlist remembers which state of its file it last read or wrote.

#include <cstdint>
#include <filesystem>
#include <optional>

namespace mokuza {

// Which state of a file was seen: writers replace the whole file, so a new
// state has a new inode as well as a new time.
struct FileStamp {
  std::uintmax_t device = 0;
  std::uintmax_t inode = 0;
  std::uintmax_t size = 0;
  std::int64_t modifiedNs = 0;
  bool operator==(const FileStamp&) const = default;
};

// Nothing when the file does not exist. A symbolic link counts as its target.
std::optional<FileStamp> fileStampOf(const std::filesystem::path& path);

// An exclusive flock(2) on the file, or on its folder while the file does not
// exist yet; waits while another holder has it. The kernel drops the lock of a
// program that dies, so a crash never leaves the file locked. Hold it only for
// the read-modify-write itself, never across a question to the user.
class FileLock {
 public:
  explicit FileLock(const std::filesystem::path& path);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  // False when neither the file nor its folder could be opened: the write
  // that follows fails or succeeds on its own.
  bool held() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

}  // namespace mokuza
