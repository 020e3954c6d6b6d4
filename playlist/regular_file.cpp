#include "playlist/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace mokuza {
namespace {

// An open file descriptor, closed when it goes.
class OpenFile {
 public:
  explicit OpenFile(const std::filesystem::path& path)
      // O_NONBLOCK: opening a FIFO for reading would wait for a writer.
      : fd_(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)), error_(fd_ < 0 ? errno : 0) {}
  ~OpenFile() {
    if (fd_ >= 0) ::close(fd_);
  }
  OpenFile(const OpenFile&) = delete;
  OpenFile& operator=(const OpenFile&) = delete;

  int fd() const { return fd_; }

  FileRefusal refusal(std::uintmax_t maxBytes, std::uintmax_t& size) const {
    if (fd_ < 0) return error_ == ENOENT || error_ == ENOTDIR ? FileRefusal::Missing : FileRefusal::Unreadable;
    struct stat info {};
    if (::fstat(fd_, &info) != 0) return FileRefusal::Unreadable;
    if (S_ISDIR(info.st_mode)) return FileRefusal::Folder;
    if (!S_ISREG(info.st_mode)) return FileRefusal::NotRegular;
    size = static_cast<std::uintmax_t>(info.st_size);
    return size > maxBytes ? FileRefusal::TooLarge : FileRefusal::None;
  }

 private:
  int fd_;
  int error_;
};

}  // namespace

RegularFileRead readRegularFile(const std::filesystem::path& path, std::uintmax_t maxBytes) {
  RegularFileRead read;
  const OpenFile file(path);
  std::uintmax_t size = 0;
  read.refusal = file.refusal(maxBytes, size);
  if (read.refusal != FileRefusal::None) return read;
  // What the file held when it was opened: a file that grows meanwhile is not
  // followed past that size.
  read.bytes.resize(static_cast<std::size_t>(size));
  std::size_t got = 0;
  while (got < read.bytes.size()) {
    const ssize_t n = ::read(file.fd(), read.bytes.data() + got, read.bytes.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      read.refusal = FileRefusal::Unreadable;
      read.bytes.clear();
      return read;
    }
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  read.bytes.resize(got);
  return read;
}

FileRefusal regularFileRefusal(const std::filesystem::path& path, std::uintmax_t maxBytes) {
  std::uintmax_t size = 0;
  return OpenFile(path).refusal(maxBytes, size);
}

std::string refusalText(FileRefusal refusal, std::uintmax_t maxBytes) {
  switch (refusal) {
    case FileRefusal::None: return {};
    case FileRefusal::Missing: return "no such file";
    case FileRefusal::Unreadable: return "cannot be read";
    case FileRefusal::Folder: return "is a folder";
    case FileRefusal::NotRegular: return "is not a regular file";
    case FileRefusal::TooLarge: return "is larger than " + std::to_string(maxBytes >> 20) + " MB";
  }
  return {};
}

}  // namespace mokuza
