#include "core/document/game_files.h"

#include "core/document/navigation.h"
#include "core/document/recent_files.h"
#include "core/document/undo.h"
#include "core/record/sgf_reader.h"
#include "core/record/sgf_writer.h"
#include "core/record/text.h"

namespace mokuza {
namespace {

std::vector<platform::FileFilter> sgfFilters() {
  return {{u"SGF File(*.sgf)", u"*.sgf"}, {u"すべてのファイル(*.*)", u"*.*"}};
}

void showFailure(platform::Services& services, std::u16string_view text, std::u16string_view title) {
  services.messageBox({std::u16string(text), std::u16string(title), platform::Buttons::Ok, platform::Icon::Error});
}

void setTitleFile(Document& doc, std::u16string_view path) {
  doc.state.fileTitle = std::u16string(fileNameOf(path));
}

// Puts the board geometry in step with the record before positions are computed.
void matchBoardSize(Document& doc) {
  if (doc.board.geometry.n != doc.record().boardSize) SetBoardSize(doc.board, doc.record().boardSize);
}

ReadOptions readOptionsFor(const Document& doc, platform::Services& services, bool playlistGame) {
  ReadOptions options;
  options.gobanroll = option(doc.state.options, DocumentOption::LoadRotation);
  options.playlistGame = playlistGame;
  options.defaultBoardSize = option(doc.state.options, DocumentOption::BoardSize);
  options.randomSeed = services.now();
  return options;
}

// Saving over the file the game was read from with losses asks first.
bool mayOverwrite(Document& doc, platform::Services& services, const std::u16string& path) {
  if (!doc.state.readLoss.any() ||
      !platform::isSameFile(textToPath(path), textToPath(FilePath(doc.state.gameInfo, kSgfFileLabel))))
    return true;
  return services.messageBox({std::u16string(kLossyOverwriteQuestion), u"Mokuza", platform::Buttons::YesNo,
                              platform::Icon::Warning, true}) == platform::Answer::Yes;
}

}  // namespace

int loadRecordText(Document& doc, std::u16string_view text, ReadOptions& options) {
  const int result = readSgf(doc.record(), text, options);
  doc.state.readLoss = options.loss;
  matchBoardSize(doc);
  doc.record().currentMove = static_cast<std::int32_t>(doc.record().moveCount);
  recomputePositions(doc, 0);
  return result;
}

platform::FileStatus writeGameFile(const GameRecord& record, const std::u16string& path) {
  return writeTextFile(textToPath(path), writeSgf(record));
}

OpenOutcome openGame(Document& doc, platform::Services& services, const OpenRequest& request) {
  std::u16string path;
  switch (request.source) {
    case OpenRequest::Source::Dialog: {
      platform::FileDialogRequest dialog;
      dialog.title = u"対局を開く";
      dialog.filters = sgfFilters();
      dialog.defaultExtension = u"sgf";
      dialog.mustExist = true;
      auto chosen = services.openFileDialog(dialog);
      if (!chosen) {
        callHook(doc.hooks.repaint);
        return OpenOutcome::Failed;
      }
      path = pathToText(*chosen);
      break;
    }
    case OpenRequest::Source::Recent: {
      const RecentFiles& list = request.recentPlaylist ? doc.recentPlaylists : doc.recentGames;
      const int index = request.recentIndex;
      if (index < 0 || index >= static_cast<int>(list.paths.size())) return OpenOutcome::Failed;
      path = list.paths[static_cast<std::size_t>(index)];
      break;
    }
    case OpenRequest::Source::Path: path = request.path; break;
  }

  if (isPlaylistPath(path))
    return doc.hooks.openPlaylist && doc.hooks.openPlaylist(path) ? OpenOutcome::Opened : OpenOutcome::Failed;
  if (!isGamePath(path)) return OpenOutcome::Failed;

  const std::u16string text = loadTextFile(textToPath(path), services, TextKind::GameRecord);
  if (text.empty()) return OpenOutcome::Failed;
  const bool playlistGame = request.playlistEntry != nullptr;
  // A playlist game is opened by the show or the list, which decide whether
  // auto-play goes on; any other game ends it before the board changes.
  if (!playlistGame && autoPlayRunning(doc)) callHook(doc.hooks.stopAutoPlay);

  // Kept so that a file without a game leaves the open game as it was.
  const DocumentState previous = doc.state;
  const int previousMove = doc.currentMove();
  const int oldSize = doc.record().boardSize;

  if (playlistGame) doc.state.gameInfo = *request.playlistEntry;
  SetFilePath(doc.state.gameInfo, kSgfFileLabel, path);
  ReadOptions options = readOptionsFor(doc, services, playlistGame);
  options.onPlaylistInfo = [&doc](std::u16string_view label, std::u16string_view value) {
    doc.state.gameInfo.textFields.insert_or_assign(std::u16string(label), std::u16string(value));
  };
  if (loadRecordText(doc, text, options) != kReadOk) {
    doc.state = previous;
    rebuildCurrentLine(doc.record());
    matchBoardSize(doc);
    doc.record().currentMove = previousMove;
    recomputePositions(doc, 0);
    showFailure(services, u"ファイルを開けませんでした", u"失敗");
    return OpenOutcome::Failed;
  }
  doc.state.options[DocumentOption::BoardSize] = options.defaultBoardSize;
  doc.state.modified = false;
  doc.state.currentFileName = path;
  if (!playlistGame) leavePlaylistGame(doc);
  if (!doc.batchMode) setTitleFile(doc, path);

  if (!playlistGame && !autoPlayRunning(doc)) recordUndo(doc, u"対局を開く - " + std::u16string(stemOf(path)));
  if (doc.record().boardSize != oldSize) callHook(doc.hooks.relayout);

  if (!doc.batchMode) {
    if (!autoPlayRunning(doc) && doc.state.playlistIndex == 0) addRecent(doc.recentGames, path);
    showMove(doc, 0);
    callHook(doc.hooks.repaint);
  }
  return OpenOutcome::Opened;
}

void leavePlaylistGame(Document& doc) {
  doc.state.playlistIndex = 0;
  setDesignValue(doc.state.design, DesignField::LastMove, kLastMoveWhole);
  callHook(doc.hooks.outsideGameOpened);
}

OpenOutcome openGameFile(Document& doc, platform::Services& services, const std::u16string& path) {
  OpenRequest request;
  request.source = OpenRequest::Source::Path;
  request.path = path;
  return openGame(doc, services, request);
}

SaveOutcome saveGame(Document& doc, platform::Services& services) {
  const std::u16string path = FilePath(doc.state.gameInfo, kSgfFileLabel);
  if (!isGamePath(path)) {
    doc.state.currentFileName.clear();
    return saveGameAs(doc, services);
  }
  if (!mayOverwrite(doc, services, path)) return SaveOutcome::Cancelled;
  if (!writeGameFile(doc.record(), path)) {
    // Keep the changes marked: the file on disk does not hold them.
    showFailure(services, u"保存できませんでした", u"エラー");
    return SaveOutcome::Failed;
  }
  doc.state.readLoss = {};  // the file now holds what the game holds
  doc.state.modified = false;
  if (doc.undoIndex >= 0 && doc.undoIndex < static_cast<int>(doc.undoEntries.size()))
    doc.undoEntries[static_cast<std::size_t>(doc.undoIndex)].modified = false;
  showMove(doc, doc.currentMove());
  callHook(doc.hooks.repaint);
  return SaveOutcome::Saved;
}

SaveOutcome saveGameAs(Document& doc, platform::Services& services) {
  platform::FileDialogRequest dialog;
  dialog.title = u"名前を付けて保存する";
  dialog.filters = sgfFilters();
  dialog.defaultExtension = u"sgf";
  dialog.initialName = textToPath(doc.state.currentFileName);
  dialog.overwritePrompt = true;
  auto chosen = services.saveFileDialog(dialog);
  doc.saveDialogCancelled = !chosen;
  if (!chosen) return SaveOutcome::Cancelled;

  const std::u16string path = pathToText(*chosen);
  if (!mayOverwrite(doc, services, path)) return SaveOutcome::Cancelled;
  if (!writeGameFile(doc.record(), path)) {
    showFailure(services, u"保存できませんでした", u"エラー");
    return SaveOutcome::Failed;
  }
  const std::u16string stored = FilePath(doc.state.gameInfo, kSgfFileLabel);
  if (doc.state.playlistIndex > 0 && path != stored) {
    // A playlist game saved elsewhere: the entry keeps its own file.
    doc.state.currentFileName = stored;
  } else {
    doc.state.readLoss = {};  // the game's file is now one that holds it whole
    doc.state.modified = false;
    SetFilePath(doc.state.gameInfo, kSgfFileLabel, path);
    if (!doc.batchMode) setTitleFile(doc, path);
    doc.state.currentFileName = path;
  }
  addRecent(doc.recentGames, doc.state.currentFileName);
  if (doc.undoIndex >= 0 && doc.undoIndex < static_cast<int>(doc.undoEntries.size()))
    doc.undoEntries[static_cast<std::size_t>(doc.undoIndex)].modified = doc.state.modified;
  showMove(doc, doc.currentMove());
  return SaveOutcome::Saved;
}

SaveQuestion askSave(Document& doc, platform::Services& services) {
  if (!doc.state.modified) return SaveQuestion::NothingToSave;
  const platform::Answer answer =
      services.messageBox({u"保存しますか？", u"Mokuza", platform::Buttons::YesNoCancel, platform::Icon::Question});
  if (answer == platform::Answer::Yes) {
    if (saveGame(doc, services) != SaveOutcome::Saved) return SaveQuestion::Cancelled;
  } else if (answer != platform::Answer::No) {
    return SaveQuestion::Cancelled;
  }
  doc.record().currentMove = 0;
  return answer == platform::Answer::Yes ? SaveQuestion::Saved : SaveQuestion::Discarded;
}

}  // namespace mokuza
