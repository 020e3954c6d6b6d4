#include <filesystem>
#include <map>
#include <ostream>

#include "cli/commands.h"
#include "core/document/navigation.h"
#include "core/document/recent_files.h"
#include "core/record/text.h"
#include "platform/user_files.h"
#include "playback/auto_play.h"
#include "playback/design_values.h"
#include "playlist/list_games.h"

namespace mokuza::cli {
namespace {

struct AutoplayOptions {
  std::string file;
  int ticks = -1;
  int updateTime = 10;
  std::map<DesignField, int> design;  // design values to play with
};

// Parses the arguments; an error text when they are wrong.
std::string parse(const Args& args, AutoplayOptions& options) {
  const std::map<std::string, DesignField> designOptions{{"--speed", DesignField::AutoSpeed},
                                                         {"--start", DesignField::AutoStart},
                                                         {"--last", DesignField::AutoLast},
                                                         {"--loop", DesignField::LoopTime}};
  ParsedArgs parsed = parseArgs(kAutoplayCommand, args,
                                {{"--ticks", true},
                                 {"--update-time", true},
                                 {"--speed", true},
                                 {"--start", true},
                                 {"--last", true},
                                 {"--loop", true}});
  options.file = parsed.oneFile();
  for (const auto& option : parsed.options) {
    const std::string& name = option.first;
    const std::optional<int> number = parsed.number(name, name + " takes a whole number");
    if (!number) continue;
    if (name == "--ticks") options.ticks = *number;
    else if (name == "--update-time") options.updateTime = *number;
    else options.design[designOptions.at(name)] = *number;
  }
  if (options.ticks < 0) parsed.fail("--ticks N is required (N >= 0)");
  if (options.updateTime < 1 || options.updateTime > 60000) parsed.fail("--update-time takes 1 to 60000 milliseconds");
  return parsed.error;
}

void applyDesign(PlaylistEntry& design, const AutoplayOptions& options) {
  for (const auto& [field, value] : options.design) setDesignValue(design, field, value);
}

int shownGameNumber(const Playlist& playlist) {
  const PlaylistEntry* entry = playlist.currentGameIndex > 0
                                   ? &playlist.entries[static_cast<std::size_t>(playlist.currentGameIndex - 1)]
                                   : nullptr;
  return entry ? entry->number : 0;
}

int runAutoplay(const Args& args, Streams streams) {
  AutoplayOptions options;
  if (const std::string error = parse(args, options); !error.empty())
    return usageError(kAutoplayCommand, error, streams);

  const std::filesystem::path folder = programFolder(kAutoplayCommand, streams);
  if (folder.empty()) return kExitFailure;
  platform::HeadlessServices services;
  Document doc;
  doc.globalOptions[GlobalOption::UpdateTime] = options.updateTime;
  Playlist playlist;
  const bool playlistShow = isPlaylistPath(utf8ToUtf16(options.file));
  if (playlistShow) {
    PlaylistContext context{playlist, doc, services, folder, {}, {}};
    if (const auto status = platform::checkUserFile(options.file, kTextFileMax); !status) {
      streams.err << "mokuza-cli autoplay: " << status.error << '\n';
      return kExitFailure;
    }
    if (openPlaylistFile(context, utf8ToUtf16(options.file)) != ListOutcome::Done || playlist.gameCount() == 0) {
      streams.err << "mokuza-cli autoplay: cannot read a game list from " << options.file << '\n';
      return kExitFailure;
    }
    for (PlaylistEntry& entry : playlist.entries) applyDesign(entry, options);
    // The show begins with the first game of the list.
    playlist.currentGameIndex = 0;
  } else {
    std::string error;
    if (!loadGame(options.file, doc, services, error)) {
      streams.err << "mokuza-cli autoplay: " << error << '\n';
      return kExitFailure;
    }
    showMove(doc, 0);
    applyDesign(doc.state.design, options);
  }

  playback::Playback pb(doc, playlist, services, folder, streams.err);
  int tick = 0;
  pb.actions.moveShown = [&](int move, int wait) {
    streams.out << "tick " << tick << " game " << shownGameNumber(playlist) << " move " << move << " wait " << wait
                << '\n';
  };
  if (playlistShow) playback::startPlaylistAutoPlay(pb);
  else playback::ToggleAutoPlay(pb, false);
  const bool started = pb.autoPlay.running();
  for (tick = 1; tick <= options.ticks && pb.autoPlay.running(); ++tick) playback::onPlaybackTimer(pb);

  for (const platform::LoggedCall& call : services.callsOf("messageBox"))
    streams.err << "mokuza-cli autoplay: " << utf16ToUtf8(call.text) << '\n';
  if (!started) {
    streams.err << "mokuza-cli autoplay: auto-play does not start on this range\n";
    return kExitFailure;
  }
  return kExitOk;
}

}  // namespace

const Command kAutoplayCommand{
    "autoplay", "run the auto-play show headless and trace it",
    "mokuza-cli autoplay FILE --ticks N [--update-time MS] [--speed MS] [--start M] [--last M] [--loop MS]\n"
    "  Runs auto-play of a game (.sgf) or a playlist show (.gpl, from its first\n"
    "  game) for N timer ticks of MS milliseconds (default 10) and prints one\n"
    "  line per shown move:\n"
    "    tick T game G move M wait W\n"
    "  T is the timer tick (0 when auto-play started), G the playlist number of\n"
    "  the game (0 outside a playlist), W the ticks before the next move.\n"
    "  --speed, --start, --last and --loop set the design's display time per move,\n"
    "  its range and its loop switch and pause (negative: no loop) for every game.\n"
    "  Stops early when the show ends.",
    runAutoplay};

}  // namespace mokuza::cli
