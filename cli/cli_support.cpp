#include "cli/cli_support.h"

#include <cctype>
#include <charconv>
#include <ctime>
#include <filesystem>
#include <ostream>
#include <string_view>

#include "core/document/game_files.h"
#include "core/record/sgf_point.h"
#include "core/record/text.h"
#include "platform/program_folder.h"
#include "platform/user_files.h"

namespace mokuza::cli {

std::time_t ClockServices::now() { return std::time(nullptr); }

std::tm ClockServices::localTime(std::time_t when) {
  std::tm local{};
  localtime_r(&when, &local);
  return local;
}

bool loadGame(const std::string& path, Document& doc, platform::HeadlessServices& services, std::string& error) {
  const platform::FileRead read = platform::readUserFile(path, kTextFileMax);
  if (!read) {
    error = read.error;
    return false;
  }
  ReadOptions options;
  options.randomSeed = services.now();
  if (loadRecordText(doc, decodeBytes(read.bytes, TextKind::GameRecord), options) != kReadOk) {
    error = "no game in " + path;
    return false;
  }
  SetFilePath(doc.state.gameInfo, kSgfFileLabel, pathToText(path));
  return true;
}

bool loadGame(const Command& command, const std::string& path, Document& doc, Streams streams) {
  platform::HeadlessServices services;
  std::string error;
  if (loadGame(path, doc, services, error)) return true;
  streams.err << "mokuza-cli " << command.name << ": " << error << '\n';
  return false;
}

std::filesystem::path programFolder(const Command& command, Streams streams) {
  std::filesystem::path folder = platform::resolveProgramFolder();
  if (folder.empty()) streams.err << "mokuza-cli " << command.name << ": " << platform::kNoProgramFolder << '\n';
  return folder;
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

std::string sgfPoint(RecordPoint point, int boardSize) {
  const std::string letters = sgfLetters<char>(point, boardSize);
  return letters.empty() ? "pass" : letters;
}

}  // namespace mokuza::cli
