#include "cli/cli_support.h"

#include <charconv>
#include <filesystem>
#include <ostream>

#include "core/document/game_files.h"
#include "core/record/text.h"

namespace mokuza::cli {

bool wantsHelp(const Args& args) {
  for (const std::string& arg : args)
    if (arg == "--help" || arg == "-h") return true;
  return false;
}

int usageError(const Command& command, const std::string& message, Streams streams) {
  streams.err << "mokuza-cli " << command.name << ": " << message << "\nusage: " << command.usage << "\n";
  return kExitUsage;
}

bool loadGame(const std::string& path, Document& doc, platform::HeadlessServices& services, std::string& error) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) {
    error = "cannot open " + path + ": no such file";
    return false;
  }
  if (isOversizedSgfFile(path)) {
    error = "cannot open " + path + ": larger than " + std::to_string(kSgfFileMax >> 20) + " MB";
    return false;
  }
  auto bytes = readFileBytes(path);
  if (!bytes) {
    error = "cannot read " + path;
    return false;
  }
  ReadOptions options;
  options.randomSeed = services.now();
  if (loadRecordText(doc, decodeBytes(*bytes), options) != kReadOk) {
    error = "no game in " + path;
    return false;
  }
  SetFilePath(doc.state.gameInfo, kSgfFileLabel, pathToText(path));
  return true;
}

std::optional<int> parseInt(const std::string& text) {
  int value = 0;
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (ec != std::errc() || ptr != end || text.empty()) return std::nullopt;
  return value;
}

std::string humanPoint(int point, int boardSize) {
  if (!isOnBoard(point, boardSize)) return "pass";
  const int x = point % boardSize, y = point / boardSize;
  const char column = static_cast<char>('A' + x + (x >= 8 ? 1 : 0));
  std::string text = std::to_string(boardSize - y);
  text.insert(text.begin(), column);
  return text;
}

std::string sgfPoint(int point, int boardSize) {
  if (!isOnBoard(point, boardSize)) return "pass";
  return {static_cast<char>('a' + point % boardSize), static_cast<char>('a' + point / boardSize)};
}

}  // namespace mokuza::cli
