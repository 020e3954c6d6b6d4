#include <algorithm>
#include <array>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>

#include "cli/commands.h"
#include "cli/position_args.h"
#include "core/record/text.h"
#include "platform/user_files.h"
#include "playlist/list_games.h"
#include "search/playlist_search.h"

namespace mokuza::cli {
namespace {

struct SearchArgs {
  std::string file;
  std::optional<int> game;
  std::optional<int> move;
  std::optional<std::array<int, 4>> range;  // 1-based as given
  search::SearchSettings settings;
  int threads = search::coreCount();
};

std::optional<std::array<int, 4>> parseRange(const std::string& text) {
  std::array<int, 4> values{};
  std::size_t start = 0;
  for (std::size_t i = 0; i < values.size(); ++i) {
    const std::size_t comma = text.find(',', start);
    if ((i + 1 < values.size()) == (comma == std::string::npos)) return std::nullopt;
    const auto value = parseInt(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
    if (!value) return std::nullopt;
    values[i] = *value;
    start = comma + 1;
  }
  return values;
}

// Fills `parsed`; a usage error otherwise.
std::optional<int> readArgs(const Args& args, SearchArgs& parsed, Streams streams) {
  ParsedArgs given = parseArgs(kSearchCommand, args,
                               {{"--game", true},
                                {"--move", true},
                                {"--range", true},
                                {"--threshold", true},
                                {"--threads", true},
                                {"--bw-fixed"},
                                {"--next-within"}});
  parsed.file = given.oneFile("no playlist given");
  parsed.game = given.number("--game", "--game takes a row from 1", 1);
  parsed.move = given.number("--move", "--move takes a whole number");
  if (const auto range = given.value("--range")) {
    parsed.range = parseRange(*range);
    if (!parsed.range) given.fail("--range takes x1,y1,x2,y2");
  }
  if (const auto threshold = given.number("--threshold", "--threshold takes a percentage from 0", 0))
    parsed.settings.threshold = *threshold;
  if (const auto threads = given.number("--threads", "--threads takes a count from 1 to 256", 1, 256))
    parsed.threads = *threads;
  parsed.settings.bwFixed = given.has("--bw-fixed");
  parsed.settings.nextWithin = given.has("--next-within");
  if (!parsed.game || !parsed.move) given.fail("--game and --move are needed");
  if (!given.error.empty()) return usageError(kSearchCommand, given.error, streams);
  return std::nullopt;
}

int fail(Streams streams, const std::string& message) {
  streams.err << "mokuza-cli search: " << message << '\n';
  return kExitFailure;
}

int runSearch(const Args& args, Streams streams) {
  SearchArgs parsed;
  if (const auto usage = readArgs(args, parsed, streams)) return *usage;

  const std::filesystem::path folder = programFolder(kSearchCommand, streams);
  if (folder.empty()) return kExitFailure;
  ClockServices services;
  Document doc;
  Playlist playlist;
  PlaylistContext context{playlist, doc, services, folder, {}, {}};
  if (const auto status = platform::checkUserFile(parsed.file, kTextFileMax); !status)
    return fail(streams, status.error);
  if (openPlaylistFile(context, utf8ToUtf16(parsed.file)) != ListOutcome::Done || playlist.gameCount() == 0)
    return fail(streams, "no games in " + parsed.file);
  if (*parsed.game > playlist.gameCount())
    return usageError(kSearchCommand, "--game takes a row within 1.." + std::to_string(playlist.gameCount()), streams);

  const PlaylistEntry& entry =
      playlist.entries[static_cast<std::size_t>(playlist.displayOrder[static_cast<std::size_t>(*parsed.game - 1)])];
  std::string error;
  if (!loadGame(utf16ToUtf8(FilePath(entry, kSgfFileLabel)), doc, services, error)) return fail(streams, error);
  if (!showRequestedMove(doc, parsed.move, kSearchCommand, streams)) return kExitFailure;

  std::optional<std::array<int, 4>> range;
  if (parsed.range) {
    const auto& r = *parsed.range;
    const int n = doc.record().boardSize;
    for (int value : r)
      if (value < 1 || value > n)
        return usageError(kSearchCommand, "--range takes columns and rows within 1.." + std::to_string(n), streams);
    range = std::array<int, 4>{std::min(r[0], r[2]) - 1, std::min(r[1], r[3]) - 1, std::max(r[0], r[2]) - 1,
                               std::max(r[1], r[3]) - 1};
  }
  const auto pattern = search::makePattern(doc.board, *parsed.move, range);
  const search::ThreadExecutor executor(parsed.threads);
  search::SearchContext searchContext{doc.classifier, std::make_shared<search::MainLineCache>(), executor};
  const auto results = search::searchPlaylist(playlist, pattern, parsed.settings, searchContext);
  if (!results) return fail(streams, "the playlist is empty");
  for (const search::GameSearchResult& game : results->games)
    if (game.listed) streams.out << game.number << '\t' << utf16ToUtf8(game.text) << '\n';
  streams.out << utf16ToUtf8(results->texts.caption) << '\n'
              << utf16ToUtf8(results->texts.resultLine) << '\n'
              << utf16ToUtf8(results->texts.followUpLine) << '\n';
  return kExitOk;
}

}  // namespace

const Command kSearchCommand{
    "search", "search a playlist for the stones of a position",
    "mokuza-cli search PLAYLIST.gpl --game K --move M [--range x1,y1,x2,y2] [--bw-fixed] [--next-within]\n"
    "       [--threshold P] [--threads N]\n"
    "  Takes the position after move M of the playlist's K-th game (row K of the list) and looks\n"
    "  for its stones in every game of the playlist, turned, mirrored and, unless --bw-fixed,\n"
    "  with the colours exchanged. --range limits the pattern to columns x1..x2 and rows y1..y2,\n"
    "  counted from 1 at the top left. Prints one tab-separated line per listed game (No. and the\n"
    "  search result: the move of a match, negative for exchanged colours, or the match rate in\n"
    "  percent when it reaches --threshold, default 100), then the caption, the result line and\n"
    "  the follow-up moves. --next-within takes as follow-up the next move inside the range.\n"
    "  --threads N shares the games among N threads (default: one per core); the result is the same.",
    runSearch};

}  // namespace mokuza::cli
