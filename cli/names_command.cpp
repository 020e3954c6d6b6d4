#include <algorithm>
#include <filesystem>
#include <map>
#include <ostream>

#include "cli/commands.h"
#include "core/document/navigation.h"
#include "core/record/text.h"

namespace mokuza::cli {
namespace {

namespace fs = std::filesystem;

// The moves of the main line that have a position, with their names.
template <typename F>
void forEachNamedMove(const Document& doc, F&& f) {
  const int last = lastShowableMove(doc);
  for (int m = 1; m <= last; ++m) {
    const MoveRecord& move = doc.record().lineCopy[static_cast<std::size_t>(m)];
    if (move.hasMove()) f(m, move, doc.classifier.moveName(m));
  }
}

void noteUnkeptMoves(const Document& doc, const std::string& file, Streams streams) {
  if (lastShowableMove(doc) < doc.moveCount())
    streams.err << "mokuza-cli names: " << file << " has " << doc.moveCount() << " moves; moves after "
                << lastShowableMove(doc) << " are not kept and not named\n";
}

int listNames(const std::string& file, Streams streams) {
  Document doc;
  if (!loadGame(kNamesCommand, file, doc, streams)) return kExitFailure;
  const int n = doc.record().boardSize;
  forEachNamedMove(doc, [&](int m, const MoveRecord& move, std::u16string_view name) {
    streams.out << m << '\t' << (move.colour > 0 ? 'B' : 'W') << '\t' << sgfPoint(RecordPoint{move.point}, n) << '\t'
                << utf16ToUtf8(name) << '\n';
  });
  noteUnkeptMoves(doc, file, streams);
  return kExitOk;
}

// Every .sgf file a path names: the file itself, or those below a folder.
bool collectGames(const std::string& path, std::vector<fs::path>& games, Streams streams) {
  std::error_code ec;
  if (fs::is_regular_file(path, ec)) {
    games.emplace_back(path);
    return true;
  }
  if (!fs::is_directory(path, ec)) {
    streams.err << "mokuza-cli names: cannot open " << path << ": no such file or folder\n";
    return false;
  }
  std::vector<fs::path> found;
  for (auto it = fs::recursive_directory_iterator(path, ec); !ec && it != fs::recursive_directory_iterator();
       it.increment(ec))
    if (it->is_regular_file(ec) && it->path().extension() == ".sgf") found.push_back(it->path());
  std::sort(found.begin(), found.end());
  games.insert(games.end(), found.begin(), found.end());
  return true;
}

int summarise(const std::vector<std::string>& paths, Streams streams) {
  std::vector<fs::path> games;
  bool failed = false;
  for (const std::string& path : paths) failed |= !collectGames(path, games, streams);

  std::map<std::u16string, long> counts;
  platform::HeadlessServices services;
  Document doc;
  for (const fs::path& game : games) {
    std::string error;
    if (!loadGame(game.string(), doc, services, error)) {
      streams.err << "mokuza-cli names: " << error << '\n';
      failed = true;
      continue;
    }
    forEachNamedMove(doc, [&](int, const MoveRecord&, std::u16string_view name) { ++counts[std::u16string(name)]; });
  }

  std::vector<std::pair<std::u16string, long>> rows(counts.begin(), counts.end());
  std::stable_sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) { return a.second > b.second; });
  for (const auto& [name, count] : rows) streams.out << count << '\t' << utf16ToUtf8(name) << '\n';
  return failed ? kExitFailure : kExitOk;
}

int runNames(const Args& args, Streams streams) {
  const ParsedArgs parsed = parseArgs(kNamesCommand, args, {{"--summary", false}});
  if (!parsed.error.empty()) return usageError(kNamesCommand, parsed.error, streams);
  const bool summary = parsed.has("--summary");
  const std::vector<std::string>& paths = parsed.positional;
  if (paths.empty()) return usageError(kNamesCommand, summary ? "no file or folder given" : "no file given", streams);
  if (summary) return summarise(paths, streams);
  if (paths.size() > 1) return usageError(kNamesCommand, "more than one file given (use --summary for many)", streams);
  return listNames(paths[0], streams);
}

}  // namespace

const Command kNamesCommand{"names", "name every move with a Go term",
                            "mokuza-cli names FILE\n"
                            "       mokuza-cli names --summary PATH...\n"
                            "  One line per move of the main line: number, B or W, the point as SGF\n"
                            "  letters (or pass) and the name the program shows, separated by tabs.\n"
                            "  --summary counts the names over every move of the files given, and of\n"
                            "  the .sgf files below the folders given: count<TAB>name, most frequent first.",
                            runNames};

}  // namespace mokuza::cli
