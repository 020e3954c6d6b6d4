#include "platform/user_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <random>
#include <system_error>

namespace mokuza::platform {
namespace {

namespace fs = std::filesystem;

// Closes the descriptor it holds when it goes out of scope.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  // Closes now, so that a failing close (a delayed write error) can be seen.
  bool close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

std::string sizeText(std::uintmax_t bytes) {
  constexpr std::uintmax_t kKilo = 1024, kMega = kKilo * 1024;
  if (bytes >= kMega && bytes % kMega == 0) return std::to_string(bytes / kMega) + " MB";
  if (bytes >= kKilo && bytes % kKilo == 0) return std::to_string(bytes / kKilo) + " KB";
  return std::to_string(bytes) + " bytes";
}

template <typename Result>
Result failure(FileProblem problem, std::string error) {
  Result result;
  result.problem = problem;
  result.error = std::move(error);
  return result;
}

// The problem of a path that exists but is no regular file; None for a regular file.
FileProblem kindProblem(mode_t mode) {
  if (S_ISDIR(mode)) return FileProblem::Folder;
  return S_ISREG(mode) ? FileProblem::None : FileProblem::NotRegular;
}

std::string kindError(FileProblem problem, const std::string& name) {
  return name + (problem == FileProblem::Folder ? " is a folder" : " is not a regular file");
}

bool isMissing(int error) { return error == ENOENT || error == ENOTDIR; }

std::string tooLargeError(const std::string& name, std::uintmax_t maxBytes) {
  return name + " is larger than " + sizeText(maxBytes);
}

// Fills st; a problem when the path names no regular file of at most maxBytes.
FileStatus checkStat(const fs::path& path, std::uintmax_t maxBytes, struct stat& st) {
  const std::string name = path.string();
  if (::stat(path.c_str(), &st) != 0) {
    if (isMissing(errno)) return failure<FileStatus>(FileProblem::Missing, "cannot open " + name + ": no such file");
    return failure<FileStatus>(FileProblem::Failed, "cannot read " + name + ": " + std::strerror(errno));
  }
  if (const FileProblem problem = kindProblem(st.st_mode); problem != FileProblem::None)
    return failure<FileStatus>(problem, kindError(problem, name));
  if (static_cast<std::uintmax_t>(st.st_size) > maxBytes)
    return failure<FileStatus>(FileProblem::TooLarge, tooLargeError(name, maxBytes));
  return {};
}

// The file a path finally names, every symbolic link followed (a relative
// link from its own folder). Empty after too many links.
fs::path finalTarget(fs::path path) {
  for (int hops = 0; hops < 40; ++hops) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    std::error_code ec;
    const fs::path target = fs::read_symlink(path, ec);
    if (ec) return path;
    path = target.is_absolute() ? target : path.parent_path() / target;
  }
  return {};
}

constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::size_t kTemporaryLetters = 12;
constexpr std::string_view kTemporaryEnd = ".tmp";

// The part of a temporary's name before its letters: short enough that the
// temporary name fits where the target's name fits.
std::string temporaryPrefix(const fs::path& target) { return "." + target.filename().string().substr(0, 200) + "."; }

// A new file beside `target`, created exclusively under a name nobody can
// guess in advance, so that no other user can prepare it or a link in its
// place. Hidden, so that file lists do not show it while it is written.
int createTemporary(const fs::path& target, mode_t mode, fs::path& temp) {
  std::random_device random;
  std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string name = temporaryPrefix(target);
    for (std::size_t k = 0; k < kTemporaryLetters; ++k) name.push_back(kLetters[pick(random)]);
    temp = target.parent_path() / (name + std::string(kTemporaryEnd));
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, mode);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  errno = EEXIST;
  return -1;
}

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written == 0) errno = EIO;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// Temporaries of `target` left by a write that never finished (the program
// was killed): old enough that no write can still be under way. Another
// program's files never match the name.
void removeStaleTemporaries(const fs::path& target) {
  constexpr auto kStale = std::chrono::minutes(10);
  const std::string prefix = temporaryPrefix(target);
  const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
  std::error_code ec;
  const auto now = fs::file_time_type::clock::now();
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.size() != prefix.size() + kTemporaryLetters + kTemporaryEnd.size() || !name.starts_with(prefix) ||
        !name.ends_with(kTemporaryEnd))
      continue;
    const std::string_view letters = std::string_view(name).substr(prefix.size(), kTemporaryLetters);
    if (letters.find_first_not_of(kLetters) != std::string_view::npos) continue;
    std::error_code old;
    if (it->symlink_status(old).type() != fs::file_type::regular) continue;
    const auto written = fs::last_write_time(it->path(), old);
    if (!old && now - written > kStale) fs::remove(it->path(), old);
  }
}

// A renamed file survives a crash only once its folder is on the disk too.
void syncFolder(const fs::path& file) {
  const fs::path folder = file.parent_path().empty() ? fs::path(".") : file.parent_path();
  Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.get() >= 0) ::fsync(dir.get());
}

}  // namespace

FileStatus checkUserFile(const fs::path& path, std::uintmax_t maxBytes) {
  struct stat st {};
  return checkStat(path, maxBytes, st);
}

std::optional<FileStamp> fileStamp(const fs::path& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  return FileStamp{static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec,
                   static_cast<std::uintmax_t>(st.st_size)};
}

FileRead readUserFile(const fs::path& path, std::uintmax_t maxBytes) {
  struct stat st {};
  if (const FileStatus status = checkStat(path, maxBytes, st); !status)
    return failure<FileRead>(status.problem, status.error);
  const std::string name = path.string();
  // O_NONBLOCK: should the name have become a FIFO since, opening it must not wait for a writer.
  Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
  if (fd.get() < 0) return failure<FileRead>(FileProblem::Failed, "cannot read " + name + ": " + std::strerror(errno));
  if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode))
    return failure<FileRead>(FileProblem::NotRegular, kindError(FileProblem::NotRegular, name));

  FileRead result;
  result.bytes.resize(static_cast<std::size_t>(std::min<std::uintmax_t>(st.st_size, maxBytes)) + 1);
  std::size_t held = 0;
  while (true) {
    // The file may grow while it is read, or claim no size at all (files of
    // /proc): the limit holds all the same.
    if (held == result.bytes.size()) {
      if (held > maxBytes) return failure<FileRead>(FileProblem::TooLarge, tooLargeError(name, maxBytes));
      result.bytes.resize(std::min<std::uintmax_t>(held * 2, maxBytes + 1));
    }
    const ssize_t got = ::read(fd.get(), result.bytes.data() + held, result.bytes.size() - held);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return failure<FileRead>(FileProblem::Failed, "cannot read " + name + ": " + std::strerror(errno));
    if (got == 0) break;
    held += static_cast<std::size_t>(got);
  }
  if (held > maxBytes) return failure<FileRead>(FileProblem::TooLarge, tooLargeError(name, maxBytes));
  result.bytes.resize(held);
  return result;
}

FileStatus writeUserFile(const fs::path& path, std::string_view bytes) {
  const std::string name = path.string();
  const fs::path target = finalTarget(path);
  if (target.empty())
    return failure<FileStatus>(FileProblem::Failed, "cannot write " + name + ": too many symbolic links");

  struct stat st {};
  const bool exists = ::stat(target.c_str(), &st) == 0;
  if (!exists && !isMissing(errno))
    return failure<FileStatus>(FileProblem::Failed, "cannot write " + name + ": " + std::strerror(errno));
  if (exists) {
    if (const FileProblem problem = kindProblem(st.st_mode); problem != FileProblem::None)
      return failure<FileStatus>(problem, kindError(problem, name));
    // Checked by the bits as well, because the superuser passes access().
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(target.c_str(), W_OK) != 0)
      return failure<FileStatus>(FileProblem::ReadOnly, name + " is read-only");
  }

  fs::path temp;
  // A new file gets the usual permissions (the umask applies); a replaced one
  // is private until it has the old file's bits.
  Descriptor fd(createTemporary(target, exists ? S_IRUSR | S_IWUSR : 0666, temp));
  if (fd.get() < 0) {
    if (isMissing(errno)) return failure<FileStatus>(FileProblem::Missing, "cannot write " + name + ": no such folder");
    return failure<FileStatus>(FileProblem::Failed, "cannot write " + name + ": " + std::strerror(errno));
  }
  int error = 0;
  // Another user's file that the superuser edits stays theirs (before the
  // bits: a change of owner clears set-id bits).
  if (exists && ::geteuid() == 0 && (st.st_uid != ::geteuid() || st.st_gid != ::getegid())) {
    [[maybe_unused]] const int owned = ::fchown(fd.get(), st.st_uid, st.st_gid);
  }
  if (exists && ::fchmod(fd.get(), st.st_mode & 07777) != 0) error = errno;
  if (error == 0 && (!writeAll(fd.get(), bytes) || ::fsync(fd.get()) != 0)) error = errno;
  if (!fd.close() && error == 0) error = errno;
  if (error == 0 && ::rename(temp.c_str(), target.c_str()) != 0) error = errno;
  if (error != 0) {
    ::unlink(temp.c_str());
    return failure<FileStatus>(FileProblem::Failed, "cannot write " + name + ": " + std::strerror(error));
  }
  syncFolder(target);
  removeStaleTemporaries(target);
  return {};
}

bool isSameFile(const fs::path& a, const fs::path& b) {
  std::error_code ec;
  return fs::equivalent(a, b, ec) && !ec;
}

}  // namespace mokuza::platform
