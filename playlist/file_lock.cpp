#include "playlist/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace mokuza {
namespace {

bool sameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

}  // namespace

std::optional<FileStamp> fileStampOf(const std::filesystem::path& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return std::nullopt;
  return FileStamp{static_cast<std::uintmax_t>(info.st_dev), static_cast<std::uintmax_t>(info.st_ino),
                   static_cast<std::uintmax_t>(info.st_size),
                   static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec};
}

FileLock::FileLock(const std::filesystem::path& path) {
  if (path.empty()) return;
  const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
  for (;;) {
    // O_NONBLOCK: a FIFO under the playlist's name must not block the open.
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    const bool onFile = fd >= 0;
    if (!onFile) {
      if (errno != ENOENT) return;
      fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
      if (fd < 0) return;
    }
    while (::flock(fd, LOCK_EX) != 0) {
      if (errno != EINTR) {
        ::close(fd);
        return;
      }
    }
    // The holder before us may have renamed a new file into place, or created
    // the file: the lock counts only while the name still means what we locked.
    struct stat named {};
    const bool present = ::stat(path.c_str(), &named) == 0;
    const bool absent = !present && errno == ENOENT;
    struct stat locked {};
    if (::fstat(fd, &locked) != 0 || (!present && !absent)) {
      ::close(fd);
      return;
    }
    if (onFile ? present && sameFile(locked, named) : absent) {
      fd_ = fd;
      return;
    }
    ::close(fd);
  }
}

FileLock::~FileLock() {
  if (fd_ >= 0) ::close(fd_);
}

}  // namespace mokuza
