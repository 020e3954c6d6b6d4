#include "core/document/game_info_apply.h"

#include <algorithm>

#include "core/document/game_files.h"
#include "core/document/navigation.h"
#include "core/document/undo.h"
#include "core/record/text.h"

namespace mokuza {
namespace {

constexpr std::u16string_view kBoardSizeQuestion = u"路数を変えると手順が消去されます";
constexpr std::u16string_view kBatchWarning =
    u"選択されている対局のゲーム情報を書き換えてそれぞれのSGFファイルへ上書き保存します"
    u"（完了後に取り消しをしても保存されたファイルは修正されません）";
constexpr std::u16string_view kUndoDescription = u"ゲーム情報編集";
constexpr std::u16string_view kHandicapLabel = u"置石";

std::u16string number(long long value) { return asciiToUtf16(std::to_string(value)); }

bool confirmed(platform::Services& services, std::u16string_view text) {
  return services.messageBox({std::u16string(text), u"Mokuza", platform::Buttons::OkCancel, platform::Icon::Warning, true}) ==
         platform::Answer::Ok;
}

std::u16string clipped(std::u16string_view text) { return clipUtf16(text, kGameInfoTextMax); }

// Handicap stones are black setup stones of the root node, two or more and
// no white ones; anything else is a set-up position, not a handicap.
std::u16string handicapOf(const GameRecord& record) {
  int black = 0;
  bool white = false;
  for (const MarkEntry& mark : record.root.records.front().marks) {
    if (mark.stone > 0) ++black;
    if (mark.stone < 0) white = true;
  }
  return black >= 2 && !white ? number(black) : std::u16string();
}

void store(Document& doc, PlaylistEntry* entry, std::u16string_view label, const std::u16string& value) {
  doc.record().setHeader(label, value);
  if (entry) entry->textFields.insert_or_assign(std::u16string(label), value);
}

// The ticked fields of a batch into the loaded game (and its entry).
void storeTicked(Document& doc, const GameInfoForm& form, PlaylistEntry* entry) {
  for (std::size_t i = 0; i < kGameInfoFieldCount; ++i)
    if (form.fieldEnabled(i)) store(doc, entry, kGameInfoDialogFields[i].label, clipped(form.values[i]));
  if (form.autoHandicap) store(doc, entry, kHandicapLabel, handicapOf(doc.record()));
}

GameInfoOutcome applySingle(Document& doc, platform::Services& services, GameInfoForm& form,
                            const GameInfoTargets& targets) {
  const int size = boardSizeFromField(form.values[kBoardSizeField], doc.record().boardSize);
  if (!resizeBoard(doc, services, size, true)) return GameInfoOutcome::Cancelled;
  doc.state.options[DocumentOption::BoardSize] = size;
  form.values[kBoardSizeField] = number(size);

  const bool playlistGame = doc.state.playlistIndex > 0;
  for (std::size_t i = 0; i < kGameInfoFieldCount; ++i) {
    const std::u16string_view label = kGameInfoDialogFields[i].label;
    const std::u16string value = clipped(form.values[i]);
    store(doc, targets.loadedEntry, label, value);
    if (playlistGame) doc.state.gameInfo.textFields.insert_or_assign(std::u16string(label), value);
  }
  markModified(doc);
  return GameInfoOutcome::Applied;
}

std::u16string progressTitle(const GameInfoTargets& targets, const PlaylistEntry& entry) {
  return u"プレイリスト　〈" + targets.playlistName + u"〉 No." + number(entry.number) + u"を編集中 - 全" +
         number(targets.playlistGameCount) + u"局";
}

// The document as it was before the batch, with the board in step.
void restore(Document& doc, const DocumentState& state, int move) {
  const int batchSize = doc.board.geometry.n;
  doc.state = state;
  if (doc.board.geometry.n != doc.record().boardSize) SetBoardSize(doc.board, doc.record().boardSize);
  rebuildCurrentLine(doc.record());
  doc.record().currentMove = move;
  recomputePositions(doc, 0);
  if (batchSize != doc.record().boardSize) callHook(doc.hooks.relayout);
}

GameInfoOutcome applyBatch(Document& doc, platform::Services& services, GameInfoForm& form,
                           const GameInfoTargets& targets) {
  if (targets.selectedGames.size() >= 2 && !confirmed(services, kBatchWarning)) return GameInfoOutcome::Cancelled;

  // Every game is opened over the shown one; the shown game comes back afterwards.
  const DocumentState shown = doc.state;
  const int shownMove = doc.currentMove();
  doc.batchMode = true;
  // Opening turns the board by the load-time rotation, and saving would write
  // the turned moves into every file.
  doc.state.options[DocumentOption::LoadRotation] = -1;

  std::vector<std::u16string> saved;
  std::vector<std::u16string> failed;
  for (PlaylistEntry* entry : targets.selectedGames) {
    if (!entry) continue;
    const std::u16string path = FilePath(*entry, kSgfFileLabel);
    if (targets.showProgress) targets.showProgress(progressTitle(targets, *entry));
    OpenRequest request;
    request.source = OpenRequest::Source::Path;
    request.path = path;
    request.playlistEntry = entry;
    if (openGame(doc, services, request) != OpenOutcome::Opened) {
      failed.push_back(path);
      continue;
    }
    storeTicked(doc, form, entry);
    if (saveGame(doc, services) == SaveOutcome::Saved) saved.push_back(path);
    else failed.push_back(path);
  }
  doc.batchMode = false;
  restore(doc, shown, shownMove);

  // The shown game's file now holds the new values; so must the game on screen.
  const std::u16string shownPath = FilePath(doc.state.gameInfo, kSgfFileLabel);
  if (!shownPath.empty() && std::find(saved.begin(), saved.end(), shownPath) != saved.end()) {
    storeTicked(doc, form, nullptr);
    if (doc.state.playlistIndex > 0)
      for (std::size_t i = 0; i < kGameInfoFieldCount; ++i)
        if (form.fieldEnabled(i))
          doc.state.gameInfo.textFields.insert_or_assign(std::u16string(kGameInfoDialogFields[i].label),
                                                         clipped(form.values[i]));
  }

  if (failed.empty()) return GameInfoOutcome::Applied;
  std::u16string names;
  for (const std::u16string& path : failed) names += u"\n" + std::u16string(fileNameOf(path));
  services.messageBox(
      {u"ゲーム情報を保存できなかった対局があります" + names, u"エラー", platform::Buttons::Ok, platform::Icon::Error});
  return GameInfoOutcome::PartlyFailed;
}

}  // namespace

GameInfoOutcome applyGameInfo(Document& doc, platform::Services& services, GameInfoForm& form,
                              const GameInfoTargets& targets) {
  GameInfoOutcome result = GameInfoOutcome::Cancelled;
  if (form.mode == kGameInfoSingle) result = applySingle(doc, services, form, targets);
  else if (form.mode == kGameInfoBatch) result = applyBatch(doc, services, form, targets);
  if (result == GameInfoOutcome::Cancelled) return result;
  recordUndo(doc, kUndoDescription);
  form.mode = kGameInfoIdle;
  return result;
}

int boardSizeFromField(std::u16string_view text, int current) {
  while (!text.empty() && (text.front() == u' ' || text.front() == u'\t')) text.remove_prefix(1);
  if (text.empty()) return current;
  int size = 0;
  for (std::size_t i = 0; i < text.size() && i < 3 && text[i] >= u'0' && text[i] <= u'9'; ++i)
    size = size * 10 + (text[i] - u'0');
  return isValidBoardSize(size) ? size : kDefaultBoardSize;
}

bool resizeBoard(Document& doc, platform::Services& services, int size, bool ask) {
  GameRecord& record = doc.record();
  if (size == record.boardSize) return true;
  const bool hadMoves = doc.moveCount() >= 1;
  if (hadMoves && ask && !confirmed(services, kBoardSizeQuestion)) return false;
  clearTree(record);
  record.boardSize = size;
  record.setHeader(kBoardSizeLabel, number(size));
  record.currentMove = 0;
  SetBoardSize(doc.board, size);
  recomputePositions(doc, 0);
  // The file still holds the erased moves.
  if (hadMoves) markModified(doc);
  callHook(doc.hooks.relayout);
  return true;
}

MoveInfoForm editMoveInfo(const Document& doc) {
  MoveInfoForm form;
  form.move = doc.currentMove();
  form.title = u"着手の編集［" + number(form.move) + u"手目］";
  const MoveRecord& shown = doc.record().lineCopy[static_cast<std::size_t>(form.move)];
  for (std::size_t i = 0; i < kMoveInfoFields.size(); ++i)
    if (shown.properties[i]) form.values[i] = *shown.properties[i];
  return form;
}

bool applyMoveInfo(Document& doc, const MoveInfoForm& form) {
  GameRecord& record = doc.record();
  if (form.move < 0 || form.move >= static_cast<int>(record.lineRecords.size())) return false;
  MoveRecord& target = *record.lineRecords[static_cast<std::size_t>(form.move)];
  for (std::size_t i = 0; i < kMoveInfoFields.size(); ++i)
    target.properties[i] = form.values[i].empty() ? nullptr : record.intern(form.values[i]);
  markModified(doc);
  rebuildCurrentLine(record);
  showMove(doc, doc.currentMove());
  recordUndo(doc, u"コメント編集");
  return true;
}

}  // namespace mokuza
