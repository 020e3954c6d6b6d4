#include "playlist/file_ops.h"

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "core/record/text.h"
#include "platform/user_files.h"

namespace mokuza {
namespace {

std::filesystem::path temporaryBeside(const std::filesystem::path& target) {
  std::filesystem::path temp = target;
  temp += ".tmp" + std::to_string(::getpid());
  return temp;
}

// Once the file also stands under its new name `to`: the old name goes, or,
// when it cannot, the new one, so that the file keeps exactly one name.
std::error_code dropOldName(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (::unlink(from.c_str()) == 0) return {};
  const std::error_code failed(errno, std::generic_category());
  ::unlink(to.c_str());
  return failed;
}

// rename(2) that fails with EEXIST instead of replacing.
std::error_code renameNoReplace(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return {};
  const int error = errno;
  if (error != EINVAL && error != ENOSYS) return {error, std::generic_category()};
  // A file system without the flag: a hard link also refuses an existing name.
  if (::link(from.c_str(), to.c_str()) != 0) return {errno, std::generic_category()};
  return dropOldName(from, to);
}

// A symbolic link moves as a link. Within its folder a rename keeps it
// resolving; elsewhere a relative target would name another file, so the new
// link names the file the old one resolved to.
std::error_code moveLink(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (from.parent_path() == to.parent_path()) return renameNoReplace(from, to);
  std::error_code ec;
  std::filesystem::path target = std::filesystem::read_symlink(from, ec);
  if (!ec && target.is_relative()) target = std::filesystem::canonical(from, ec);
  if (ec) return ec;
  // symlink(2) refuses an existing name, as the rename does.
  if (::symlink(target.c_str(), to.c_str()) != 0) return {errno, std::generic_category()};
  return dropOldName(from, to);
}

}  // namespace

bool copyFileAtomically(const std::filesystem::path& from, const std::filesystem::path& to) {
  const platform::FileRead read = platform::readUserFile(from, kTextFileMax);
  return read && platform::writeUserFile(to, read.bytes);
}

std::error_code moveFileNoReplace(const std::filesystem::path& from, const std::filesystem::path& to) {
  std::error_code ec;
  if (std::filesystem::is_symlink(std::filesystem::symlink_status(from, ec))) return moveLink(from, to);
  ec = renameNoReplace(from, to);
  if (ec != std::errc::cross_device_link) return ec;

  const std::filesystem::path temp = temporaryBeside(to);
  std::error_code ignored;
  std::filesystem::copy_file(from, temp, std::filesystem::copy_options::overwrite_existing, ec);
  if (!ec) ec = renameNoReplace(temp, to);
  if (ec) {
    std::filesystem::remove(temp, ignored);
    return ec;
  }
  if (!std::filesystem::remove(from, ec) || ec) {
    // The original stays where it was, so the copy must go.
    std::filesystem::remove(to, ignored);
    return ec ? ec : std::make_error_code(std::errc::io_error);
  }
  return {};
}

}  // namespace mokuza
