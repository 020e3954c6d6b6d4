#pragma once
// What every subcommand shares: argument handling, loading a game, errors.

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "core/document/document.h"
#include "core/record/record_point.h"
#include "platform/headless/headless_services.h"

namespace mokuza::cli {

constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

struct Streams {
  std::ostream& out;
  std::ostream& err;
};

using Args = std::vector<std::string>;

// A subcommand: its name, one-line summary, usage text and entry point.
struct Command {
  const char* name;
  const char* summary;
  const char* usage;
  int (*run)(const Args& args, Streams streams);
};

// Headless services on the real clock, in local time: what a command stamps
// into a playlist as a date is the user's own time.
class ClockServices : public platform::HeadlessServices {
 public:
  std::time_t now() override;
  std::tm localTime(std::time_t when) override;
};

// Reads the game of a file into doc with every position computed. On failure
// the message says why (missing file, no game in it).
bool loadGame(const std::string& path, Document& doc, platform::HeadlessServices& services, std::string& error);
// The same, saying why on err as "mokuza-cli NAME: reason".
bool loadGame(const Command& command, const std::string& path, Document& doc, Streams streams);

// The program folder; empty, after saying so on err, when none can be formed.
std::filesystem::path programFolder(const Command& command, Streams streams);

// A whole decimal number, or nothing.
std::optional<int> parseInt(const std::string& text);

// Coordinates as people read them: columns A..T without I, rows from the bottom.
std::string humanPoint(int point, int boardSize);
// Two SGF letters, or "pass".
std::string sgfPoint(RecordPoint point, int boardSize);

}  // namespace mokuza::cli
