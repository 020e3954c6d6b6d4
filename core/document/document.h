#pragma once
// The open game as the user works on it: record, positions, what is shown,
// the undo history, and the state that undo copies.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/document/design_fields.h"
#include "core/document/options.h"
#include "core/document/playlist_entry.h"
#include "core/document/recent_files.h"
#include "core/naming/move_classifier.h"
#include "core/record/game_record.h"
#include "core/record/sgf_reader.h"
#include "core/rules/board.h"
#include "core/rules/replay.h"

namespace mokuza {

// A rectangle of board points (columns and rows from 0, inclusive) and,
// optionally, a range of moves it applies to.
struct RangeSelection {
  bool active = false;
  int left = 0, top = 0, right = -1, bottom = -1;
  bool movesLimited = false;
  int firstMove = 0, lastMove = 0;

  bool containsPoint(int point, int n) const;
  bool containsMove(int move) const { return !movesLimited || (move >= firstMove && move <= lastMove); }
};

// Everything an undo entry copies.
struct DocumentState {
  GameRecord record;
  PlaylistEntry gameInfo;  // the current game's information: its file, design files, dates
  Design design;           // the shown design
  DocumentOptions options = defaultDocumentOptions();
  std::u16string playlistPath;
  int playlistIndex = 0;           // 1-based index of the loaded playlist game, 0 for none
  int playlistSnapshot = 0;        // the snapshot slot of the playlist file that goes with this state
  std::u16string fileTitle;        // the file name shown in the window title
  std::u16string currentFileName;  // the path offered by the save dialog
  RangeSelection selection;
  bool modified = false;
  // What reading the game's file lost: saving over that file asks first.
  ReadLoss readLoss;
};

struct UndoEntry {
  DocumentState state;
  // The table the moves were named by; entries share it while it is unchanged.
  std::shared_ptr<const naming::FigureTable> figures;
  int currentMove = 0;
  bool modified = false;
  std::vector<PlaylistEntry> playlistEntries;
  std::u16string description;  // at most 512 characters
};

constexpr int kUndoLimit = 100;
constexpr int kUndoPlaylistEntryLimit = 15000;

// How a click in the middle of a game plays: asks, or one of the three edits.
enum InsertionMode : int {
  kInsertAsk = 0,
  kInsertVariation = 1,
  kInsertBeforeNext = 2,
  kReplaceNext = 3,
  kAppendAtEnd = 4,
};

// Calls into the layers above the document (window, playlist, history log).
// Unset hooks do nothing.
struct DocumentHooks {
  std::function<void()> repaint;
  std::function<void()> relayout;
  std::function<void(std::u16string_view description, int position)> appendHistoryLine;
  std::function<std::vector<PlaylistEntry>()> snapshotPlaylist;
  std::function<void(const std::vector<PlaylistEntry>&)> restorePlaylist;
  // The oldest entries left the history: no state before the playlist
  // snapshot `oldestKept` can come back.
  std::function<void(int oldestKept)> dropPlaylistSnapshots;
  // Opens a ".gpl" file; false when it did not become the playlist.
  std::function<bool(const std::u16string& path)> openPlaylist;
  // Auto-play stops as its stop command stops it: another game is about to
  // replace the shown one.
  std::function<void()> stopAutoPlay;
  // A game from outside the playlist is now shown.
  std::function<void()> outsideGameOpened;
  // Whether the show runs. The show's engine keeps that state; the document
  // asks it, so the two can never disagree.
  std::function<bool()> autoPlayRunning;
};

struct Document {
  DocumentState state;
  Board board;
  naming::MoveClassifier classifier;
  std::vector<ReplayObserver*> observers;  // move naming, music notes
  DocumentHooks hooks;

  // What is shown.
  BoardPosition shownPosition;
  BoardPosition previousShownPosition;
  RecordPoint lastMovePoint;  // the pass when the shown move has no point
  std::int8_t colourToPlay = 1;
  BranchPath pathToCurrentNode;  // leads to the node holding the shown move
  int nodeEndMove = 0;           // move number of that node's last record
  int previousBranchMove = -1, nextBranchMove = -1;
  int previousCommentMove = -1, nextCommentMove = -1;
  int viewLimit = 0;

  // Modes set by the layers above.
  bool batchMode = false;
  bool saveDialogCancelled = false;
  GlobalOptions globalOptions;

  // Undo history.
  std::vector<UndoEntry> undoEntries;
  int undoIndex = -1;
  int undoCount = 0;

  RecentFiles recentGames{kRecentGamesCapacity, {}};
  RecentFiles recentPlaylists{kRecentPlaylistsCapacity, {}};

  Document();
  Document(const Document&) = delete;
  Document& operator=(const Document&) = delete;

  GameRecord& record() { return state.record; }
  const GameRecord& record() const { return state.record; }
  int currentMove() const { return state.record.currentMove; }
  int moveCount() const { return static_cast<int>(state.record.moveCount); }
};

void markModified(Document& doc);
void callHook(const std::function<void()>& hook);
// While the show runs, edits, undo and the operation history stay shut.
bool autoPlayRunning(const Document& doc);

}  // namespace mokuza
