#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <system_error>

#include "cli/commands.h"
#include "core/record/text.h"
#include "platform/user_files.h"
#include "playlist/design_fields.h"
#include "playlist/file_moves.h"
#include "playlist/list_cells.h"
#include "playlist/list_games.h"
#include "playlist/playlist_reader.h"

namespace mokuza::cli {
namespace {

// A folder of its own for the undo copies of one run, so that a run never
// touches the copies of a program that is open at the same time.
// The folder is new (mkdir fails on any existing name) and only ours to read.
std::filesystem::path privateFolder() {
  std::error_code noTemp;
  const std::filesystem::path base = std::filesystem::temp_directory_path(noTemp);
  for (int attempt = 0; attempt < 100 && !noTemp; ++attempt) {
    const std::filesystem::path folder =
        base / ("mokuza-cli-" + std::to_string(::getpid()) + "-" + std::to_string(attempt));
    std::error_code ec;
    if (!std::filesystem::create_directory(folder, ec)) continue;
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all, ec);
    return folder;
  }
  return {};
}

// The playlist of one run: read from its file, changed through the same
// commands as the list window, its undo copies removed at the end.
struct Session {
  ClockServices services;
  Document doc;
  Playlist playlist;
  std::filesystem::path programFolder;
  PlaylistContext context{playlist, doc, services, programFolder, {}, {}};

  explicit Session(std::filesystem::path home) : programFolder(std::move(home)) {
    playlist.snapshots.folder = privateFolder();
  }
  ~Session() {
    std::error_code ec;
    if (!playlist.snapshots.folder.empty()) std::filesystem::remove_all(playlist.snapshots.folder, ec);
  }
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;
};

int fail(Streams streams, const std::string& message) {
  streams.err << "mokuza-cli playlist: " << message << '\n';
  return kExitFailure;
}

bool open(Session& session, const std::string& file, Streams streams) {
  if (const auto status = platform::checkUserFile(file, kPlaylistFileMax); !status) {
    fail(streams, status.error);
    return false;
  }
  const ListOutcome opened = openPlaylistFile(session.context, pathToText(file));
  if (opened == ListOutcome::Refused) {
    fail(streams, file + " はプレイリストではありません");
    return false;
  }
  if (opened != ListOutcome::Done) {
    fail(streams, "cannot read " + file);
    return false;
  }
  if (session.playlist.gamesLeftOut > 0)
    streams.err << "mokuza-cli playlist: " << file << ": read " << session.playlist.gameCount() << " games; "
                << session.playlist.gamesLeftOut << " more were left out (a playlist is read up to "
                << kPlaylistCapacity << " games and " << (kReadTextBudget >> 20) << " M characters of text)\n";
  if (session.playlist.bytesReplaced)
    streams.err << "mokuza-cli playlist: " << file << ": some bytes are no UTF-8 and were read as U+FFFD\n";
  return true;
}

// Writing a playlist that was read in part loses the games left out: only
// with --yes, which the user gives knowing that.
bool mayWrite(Session& session, const std::string& file, bool yes, Streams streams) {
  if (!session.playlist.readInPart()) return true;
  if (!yes) {
    const std::string lost = session.playlist.gamesLeftOut > 0
                                 ? "the " + std::to_string(session.playlist.gamesLeftOut) + " games left out"
                                 : "the bytes that could not be decoded";
    fail(streams, "nothing changed: writing " + file + " would lose " + lost + "; add --yes to write it anyway");
    return false;
  }
  session.playlist.gamesLeftOut = 0;
  session.playlist.bytesReplaced = false;
  return true;
}

std::vector<std::string> split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t end = std::min(text.find(separator, start), text.size());
    parts.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

// "3-7,9": rows of the list, from 1. Empty when the text is malformed or a row
// is outside the list.
std::optional<std::set<int>> parseRows(const std::string& text, int count) {
  std::set<int> rows;
  for (const std::string& part : split(text, ',')) {
    const std::size_t dash = part.find('-');
    const auto first = parseInt(part.substr(0, dash));
    const auto last = dash == std::string::npos ? first : parseInt(part.substr(dash + 1));
    if (!first || !last || *first < 1 || *last > count || *first > *last) return std::nullopt;
    for (int row = *first; row <= *last; ++row) rows.insert(row);
  }
  return rows;
}

std::string cell(const PlaylistEntry& entry, const std::string& key) {
  std::u16string text;
  if (key == "No.") {
    text = cellText(entry, u"No.");
  } else if (const auto field = fieldForKey(key); field && field->kind == FieldKind::Folder) {
    auto it = entry.fileFolders.find(field->label);
    if (it != entry.fileFolders.end()) text = it->second;
  } else if (field) {
    text = cellText(entry, field->label);
  }
  for (char16_t& c : text)
    if (c == u'\t' || c == u'\n' || c == u'\r') c = u' ';
  return utf16ToUtf8(text);
}

int runNew(const Args& args, const std::filesystem::path& home, Streams streams) {
  if (args.size() != 1) return usageError(kPlaylistCommand, "new takes one FILE", streams);
  std::error_code ec;
  if (std::filesystem::exists(args[0], ec)) return fail(streams, args[0] + " already exists");
  Session session(home);
  if (createPlaylistAt(session.context, utf8ToUtf16(args[0])) != ListOutcome::Done)
    return fail(streams, "cannot write " + args[0]);
  streams.out << "created " << utf16ToUtf8(session.playlist.path) << '\n';
  return kExitOk;
}

std::string skipText(const SkippedFile& skip) {
  switch (skip.reason) {
    case SkipReason::NotGameFile: return "not an .sgf file";
    case SkipReason::Listed: return "listed already";
    case SkipReason::FileRefused: return skip.error;
    case SkipReason::NoGame: return "holds no game";
  }
  return {};
}

int runAdd(const Args& args, const std::filesystem::path& home, Streams streams) {
  Args files;
  bool yes = false;
  for (const std::string& arg : args) {
    if (arg == "--yes") yes = true;
    else files.push_back(arg);
  }
  if (files.size() < 2) return usageError(kPlaylistCommand, "add takes FILE and at least one GAME.sgf", streams);
  Session session(home);
  if (!open(session, files[0], streams) || !mayWrite(session, files[0], yes, streams)) return kExitFailure;
  std::vector<std::u16string> games;
  for (std::size_t i = 1; i < files.size(); ++i) games.push_back(utf8ToUtf16(files[i]));
  std::vector<SkippedFile> skipped;
  const ListOutcome status = addGames(session.context, games, {}, &skipped);
  for (const SkippedFile& skip : skipped)
    streams.err << "mokuza-cli playlist: skipped " << utf16ToUtf8(skip.path) << ": " << skipText(skip) << '\n';
  if (status == ListOutcome::Refused) return fail(streams, "the playlist is full (10000 games)");
  const int added = static_cast<int>(session.playlist.list.selected.size());
  if (status == ListOutcome::Nothing) return fail(streams, "no game could be added");
  if (status == ListOutcome::WriteFailed) return fail(streams, "cannot write " + files[0]);
  streams.out << "added " << added << (added == 1 ? " game" : " games") << ", " << session.playlist.gameCount()
              << " in the playlist\n";
  if (session.playlist.isFull() && added < static_cast<int>(games.size()))
    return fail(streams, "the playlist is full (10000 games); the rest were not added");
  return kExitOk;
}

int runList(const Args& args, const std::filesystem::path& home, Streams streams) {
  ParsedArgs parsed = parseArgs(kPlaylistCommand, args, {{"--columns", true}});
  const std::string file = parsed.oneFile();
  std::optional<std::vector<std::string>> columns;
  if (const auto text = parsed.value("--columns")) columns = split(*text, ',');
  for (const std::string& key : columns.value_or(std::vector<std::string>{}))
    if (key != "No." && !fieldForKey(key)) parsed.fail("unknown column '" + key + "'");
  if (!parsed.error.empty()) return usageError(kPlaylistCommand, parsed.error, streams);
  Session session(home);
  if (!open(session, file, streams)) return kExitFailure;
  const std::vector<std::string> keys = columns ? *columns : visibleColumnKeys(session.playlist.columns);
  for (int record : session.playlist.displayOrder) {
    const PlaylistEntry& entry = session.playlist.entries[static_cast<std::size_t>(record)];
    for (std::size_t k = 0; k < keys.size(); ++k) streams.out << (k ? "\t" : "") << cell(entry, keys[k]);
    streams.out << '\n';
  }
  return kExitOk;
}

// rename and move: the same options, the same confirmation.
int runFileCommand(const Args& args, const std::filesystem::path& home, Streams streams, bool rename) {
  ParsedArgs parsed =
      rename ? parseArgs(kPlaylistCommand, args,
                         {{"--pattern", true}, {"--select", true}, {"--field", true}, {"--tag-max", true}, {"--yes"}})
             : parseArgs(kPlaylistCommand, args, {{"--to", true}, {"--select", true}, {"--field", true}, {"--yes"}});
  const std::string file = parsed.oneFile();
  const std::string pattern = parsed.value("--pattern").value_or("");
  const std::string folder = parsed.value("--to").value_or("");
  const std::string select = parsed.value("--select").value_or("");
  const std::string fieldKey = parsed.value("--field").value_or("sgf_file");
  const auto& tagRange = optionInfo(DocumentOption::RenameTagMax);
  const std::optional<int> tagMax =
      parsed.number("--tag-max", "--tag-max takes -1 to 1000", tagRange.low, tagRange.high);
  const bool yes = parsed.has("--yes");
  if (rename && pattern.empty()) parsed.fail("rename needs --pattern");
  if (!rename && folder.empty()) parsed.fail("move needs --to DIR");
  if (!parsed.error.empty()) return usageError(kPlaylistCommand, parsed.error, streams);
  const auto field = fieldForKey(fieldKey);
  if (!field || field->kind != FieldKind::FileName)
    return usageError(kPlaylistCommand, "--field takes a file key such as sgf_file or blackstone_file", streams);
  std::error_code ec;
  if (!rename && !std::filesystem::is_directory(folder, ec)) return fail(streams, folder + " is not a folder");

  Session session(home);
  if (!open(session, file, streams)) return kExitFailure;
  Playlist& playlist = session.playlist;
  std::set<int> rows;
  if (select.empty()) {
    for (int row = 1; row <= playlist.gameCount(); ++row) rows.insert(row);
  } else if (auto parsed = parseRows(select, playlist.gameCount())) {
    rows = *parsed;
  } else {
    return usageError(kPlaylistCommand,
                      "--select takes rows such as 3-7,9 within 1.." + std::to_string(playlist.gameCount()), streams);
  }
  for (int row : rows) playlist.list.selected.insert(playlist.displayOrder[static_cast<std::size_t>(row - 1)]);
  if (!rows.empty()) playlist.list.anchor = playlist.displayOrder[static_cast<std::size_t>(*rows.begin() - 1)];
  if (tagMax) session.doc.state.options[DocumentOption::RenameTagMax] = *tagMax;

  const char* verb = rename ? "rename" : "move";
  if (rows.size() > static_cast<std::size_t>(kFileMoveLimit))
    return fail(streams, "at most " + std::to_string(kFileMoveLimit) + " games at once (" +
                             std::to_string(rows.size()) + " selected)");
  const std::u16string folderText = folder.empty() ? u"" : pathToText(std::filesystem::absolute(folder, ec));
  if (!yes) {
    const int tag = option(session.doc.state.options, DocumentOption::RenameTagMax);
    const std::vector<PlannedMove> plan = rename ? planRenames(playlist, field->label, utf8ToUtf16(pattern), tag)
                                                 : planMoves(playlist, field->label, folderText);
    if (plan.empty()) return fail(streams, std::string("no file to ") + verb);
    for (const PlannedMove& move : plan)
      streams.out << "would " << verb << ' ' << utf16ToUtf8(move.oldPath) << " -> " << utf16ToUtf8(move.newPath)
                  << '\n';
    return fail(streams, "nothing changed; add --yes to " + std::string(verb) + " these " +
                             std::to_string(plan.size()) + " files");
  }

  if (!mayWrite(session, file, yes, streams)) return kExitFailure;
  // The window's two questions (history, and the files to touch), answered by --yes.
  session.services.messageAnswers.assign(2, platform::Answer::Ok);
  const FileMoveOutcome outcome = rename ? renameFiles(session.context, field->label, utf8ToUtf16(pattern))
                                         : moveFiles(session.context, field->label, folderText);
  for (const PlannedMove& move : outcome.done)
    streams.out << (rename ? "renamed " : "moved ") << utf16ToUtf8(move.oldPath) << " -> " << utf16ToUtf8(move.newPath)
                << '\n';
  if (outcome.status == ListOutcome::WriteFailed)
    return fail(streams,
                "cannot write " + file +
                    (outcome.done.empty() ? "; the files were put back" : "; the files above could not be put back"));
  if (!outcome.error.empty())
    return fail(streams, utf16ToUtf8(outcome.error) + " (" + std::to_string(outcome.done.size()) +
                             " files done; the playlist names them where they are now)");
  if (outcome.done.empty()) return fail(streams, std::string("no file to ") + verb);
  return kExitOk;
}

int runPlaylist(const Args& args, Streams streams) {
  if (args.empty()) return usageError(kPlaylistCommand, "no subcommand given", streams);
  const std::string& sub = args[0];
  const Args rest(args.begin() + 1, args.end());
  if (sub != "new" && sub != "add" && sub != "list" && sub != "rename" && sub != "move")
    return usageError(kPlaylistCommand, "unknown subcommand '" + sub + "'", streams);
  const std::filesystem::path home = programFolder(kPlaylistCommand, streams);
  if (home.empty()) return kExitFailure;
  if (sub == "new") return runNew(rest, home, streams);
  if (sub == "add") return runAdd(rest, home, streams);
  if (sub == "list") return runList(rest, home, streams);
  return runFileCommand(rest, home, streams, sub == "rename");
}

}  // namespace

const Command kPlaylistCommand{
    "playlist", "create, fill, list and reorganise .gpl playlists",
    "mokuza-cli playlist new FILE\n"
    "       mokuza-cli playlist add FILE GAME.sgf... [--yes]\n"
    "       mokuza-cli playlist list FILE [--columns No.,bname,wname,...]\n"
    "       mokuza-cli playlist rename FILE --pattern \"<PB>-<PW>_<DT>\" [--select 3-7] [--field KEY] [--tag-max N] "
    "[--yes]\n"
    "       mokuza-cli playlist move FILE --to DIR [--select 3-7] [--field KEY] [--yes]\n"
    "  new     creates an empty playlist file.\n"
    "  add     adds games with their game information; every file skipped is named with the reason\n"
    "          (not .sgf, listed already, missing, unreadable, a folder, not a regular file, too large,\n"
    "          no game). Two programs adding to one playlist at once keep each other's games.\n"
    "  list    one tab-separated row per game in list order; the columns are named by their keys\n"
    "          (default: the playlist's visible columns); file columns show full paths.\n"
    "  rename  renames the files of the selected rows (default: all): <XY> is the game's SGF\n"
    "          property XY cut to --tag-max characters (default 10, -1 for all), <FN> the old name.\n"
    "  move    moves the files of the selected rows into DIR.\n"
    "          Both act on disk and in the playlist; without --yes they only say what they would do\n"
    "          and exit 1. A name that is taken gets a numbered suffix; nothing is overwritten.\n"
    "          Only regular files (or links to them, moved as links) named by a full path and with the\n"
    "          field's extension are touched (.sgf; .jpg .jpeg .png .bmp .gif; .wav); a name never\n"
    "          starts with a dot. When the playlist cannot be written, the files are put back.\n"
    "  --field picks the file: sgf_file (default), blackstone_file, whitestone_file, background_file,\n"
    "          goban_file, star_file, blacksound_file, whitesound_file.\n"
    "  A file with more games than a playlist holds (10000, or more text than the reader takes) is\n"
    "  read in part and says so; add, rename and move refuse to write it without --yes, since\n"
    "  writing it loses the games left out.",
    runPlaylist};

}  // namespace mokuza::cli
