#pragma once
// Auto-play as a headless engine: timer ticks and commands in, positions,
// opened playlist games and calls to the window out. The Application owns
// one Playback and connects its actions; tests drive it with a fake clock.

#include <filesystem>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "core/document/document.h"
#include "core/document/ladder.h"
#include "platform/services.h"
#include "playback/live_notes.h"
#include "playback/note_blocks.h"
#include "playlist/playlist.h"

namespace mokuza::playback {

constexpr int kAutoPlayOff = -100;

// "自動再生中は情報ウィンドウを隠す": off, armed for the next run, or the
// panel hidden by the run under way.
enum class InfoWindowHide { Off, Armed, Hidden };

struct AutoPlayState {
  int autoPlayLap = kAutoPlayOff;  // completed laps while running
  bool playlistAutoPlay = false;
  int moveWaitTicks = 0;  // ticks before the next move; the fade of the shown move runs meanwhile
  int moveWaitTotal = 0;
  int gameSwitchDelay = 0;  // milliseconds still to wait before the next playlist game
  int gamePauseTicks = 0;   // ticks of the pause left; the next playlist game opens when it ends
  int movesPlayedCount = 0;
  int lapAnchorMove = 0;
  bool movedSinceStart = false;
  int figureRunStart = -1;
  int figureRunEnd = 0;
  bool stepAfterRun = false;  // figure replay asked for one more step when the run ends
  int ladderRunLine = -1;     // the last move of the ladder being played out, -1 for none
  int ladderStartMove = 0;
  InfoWindowHide infoWindowHide = InfoWindowHide::Off;
  bool infoWindowHidden = false;
  bool savedInfoWindowHidden = false;
  std::vector<int> figureEnds;

  bool running() const { return autoPlayLap != kAutoPlayOff; }
  bool figureRun() const { return figureRunStart >= 0; }
  bool ladderRun() const { return ladderRunLine >= 0; }
};

// What the show changed for the window since the window last took them: the
// window takes them once, when the event that ran the show ends.
struct ShowChanges {
  bool repaint = false;
  bool fullRedraw = false;  // every layer drawn again; running fades end
  bool relayout = false;    // the information window came or went
  bool cursor = false;
};

// What the engine asks of the window. Unset actions do nothing (a query
// answers no). The window hands every tick of its timer to onPlaybackTimer.
struct PlaybackActions {
  // (Re)arms the one window timer with this period; false when refused.
  std::function<bool(int periodMs)> armTimer;
  std::function<bool()> fadeRunning;
  std::function<void()> endFades;
  // Stones placed by moves first..last fade in before a figure plays.
  std::function<void(int firstMove, int lastMove)> fadeInMoves;
  // A tick of the wait after a move. A window that sets it draws the next
  // fade frame and counts the wait down itself (its painter does); without
  // it the engine counts the wait, as a driver that never paints needs.
  std::function<void()> fadeStep;
  // A move was shown by auto-play; `waitTicks` pass before the next one.
  std::function<void(int move, int waitTicks)> moveShown;
  std::function<void(int number)> playlistGameOpened;
  std::function<void()> saveSettings;
};

struct Playback {
  Playback(Document& doc, Playlist& playlist, platform::Services& services, std::filesystem::path programFolder,
           std::ostream& err = std::cerr);
  ~Playback();
  Playback(const Playback&) = delete;
  Playback& operator=(const Playback&) = delete;

  Document& doc;
  Playlist& playlist;
  platform::Services& services;
  std::filesystem::path programFolder;  // "output.mid" goes here
  PlaybackActions actions;
  ShowChanges changes;
  AutoPlayState autoPlay;
  LiveNotes live;
  NoteBlockObserver notes;
};

// Starts auto-play when it is off or `keepRunning` is set, stops it otherwise.
void ToggleAutoPlay(Playback& pb, bool keepRunning);
// Stops auto-play as the stop command does; nothing when it is off. The
// document's open flows reach it through doc.hooks.stopAutoPlay, which the
// Playback sets for its lifetime.
void stopAutoPlay(Playback& pb);
// "プレイリスト自動再生": auto-play through the games of the playlist.
void startPlaylistAutoPlay(Playback& pb);
// One step of the show.
void AutoPlayTick(Playback& pb);
// The window's timer message: hands the wait after a move to fadeStep (or
// counts it down without one), counts the pause between games, ends the notes
// of a manual step, and steps the show when nothing is left to wait for.
void onPlaybackTimer(Playback& pb);

// Auto-play off without a line in the operation history: the commands and
// the information window come back and the shown move is positioned again.
void endShow(Playback& pb);

// The last move auto-play and figure replay may show.
int showableEnd(const Document& doc);

// For ReadLadder: plays the added run out and records it when done.
StartLadderRun ladderRunStarter(Playback& pb);

}  // namespace mokuza::playback
