#pragma once
// Reading a file that the user or a playlist names: only a regular file, and
// only up to a size, so that a FIFO, a device or a folder given a game's or a
// playlist's name can neither block nor exhaust memory.

#include <cstdint>
#include <filesystem>
#include <string>

namespace mokuza {

constexpr std::uintmax_t kGameFileBytesMax = std::uintmax_t{256} << 20;
constexpr std::uintmax_t kPlaylistFileBytesMax = std::uintmax_t{64} << 20;

enum class FileRefusal {
  None,
  Missing,     // no such file
  Unreadable,  // the system refused to open or read it
  Folder,
  NotRegular,  // a FIFO, a device, a socket
  TooLarge,
};

struct RegularFileRead {
  std::string bytes;
  FileRefusal refusal = FileRefusal::None;
};

// The whole file, or why it was refused. A symbolic link counts as the file
// it names.
RegularFileRead readRegularFile(const std::filesystem::path& path, std::uintmax_t maxBytes);

// Why readRegularFile would refuse the file, without reading it.
FileRefusal regularFileRefusal(const std::filesystem::path& path, std::uintmax_t maxBytes);

// "no such file", "is a folder", "is larger than 64 MB" ...
std::string refusalText(FileRefusal refusal, std::uintmax_t maxBytes);

}  // namespace mokuza
