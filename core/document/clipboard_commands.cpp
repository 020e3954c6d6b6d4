#include "core/document/clipboard_commands.h"

#include <string>

#include "core/document/game_files.h"
#include "core/document/navigation.h"
#include "core/document/undo.h"
#include "core/record/sgf_reader.h"
#include "core/record/sgf_writer.h"
#include "core/record/text.h"

namespace mokuza {
namespace {

void tell(platform::Services& services, std::u16string_view text, std::u16string_view title, platform::Icon icon) {
  services.messageBox({std::u16string(text), std::u16string(title), platform::Buttons::Ok, icon});
}

void tellEmpty(platform::Services& services) {
  tell(services, u"クリップボードが空です", u"エラー", platform::Icon::Error);
}

bool isUpper(char16_t c) { return c >= u'A' && c <= u'Z'; }

// The end (one past the ']') of the value opening at text[open] == '['.
std::size_t valueEnd(const std::u16string& text, std::size_t open) {
  int depth = 0;
  for (std::size_t i = open; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c == u'\\') {
      ++i;  // an escaped character is text
      continue;
    }
    if (c == u'[') ++depth;
    if (c != u']') continue;
    const char16_t next = i + 1 < text.size() ? text[i + 1] : 0;
    if (next >= 128) continue;  // a ']' before a non-ASCII character is text
    if (--depth <= 0) return i + 1;
  }
  return text.size();
}

}  // namespace

void copyGameToClipboard(Document& doc, platform::Services& services) {
  services.setClipboardText(writeSgf(doc.record()));
}

OpenOutcome openFromClipboard(Document& doc, platform::Services& services, bool movesOnly) {
  if (autoPlayRunning(doc)) callHook(doc.hooks.stopAutoPlay);
  const std::u16string text = services.clipboardText();
  const std::u16string backup = writeSgf(doc.record());
  const int remembered = doc.currentMove();
  const BranchPath rememberedPath = doc.record().branchPath;
  const int oldSize = doc.record().boardSize;

  ReadOptions options;
  options.gobanroll = option(doc.state.options, DocumentOption::LoadRotation);
  options.movesOnly = movesOnly;
  options.defaultBoardSize = option(doc.state.options, DocumentOption::BoardSize);
  options.randomSeed = services.now();
  if (readSgf(doc.record(), text, options) != kReadOk) {
    ReadOptions restore;  // the backup is read as written, without rotation
    restore.defaultBoardSize = options.defaultBoardSize;
    doc.record().boardSize = oldSize;
    readSgf(doc.record(), backup, restore);
    // The text keeps the tree but not the line that was shown.
    doc.record().branchPath = rememberedPath;
    rebuildCurrentLine(doc.record());
    if (doc.board.geometry.n != doc.record().boardSize) SetBoardSize(doc.board, doc.record().boardSize);
    doc.record().currentMove = remembered;
    recomputePositions(doc, 0);
    showMove(doc, remembered);
    tell(services, u"ファイルを開けませんでした", u"失敗", platform::Icon::Error);
    return OpenOutcome::Failed;
  }

  doc.state.options[DocumentOption::BoardSize] = options.defaultBoardSize;
  std::u16string label = u"クリップボードから開く";
  if (movesOnly) label += u"〈手順のみ〉";
  if (doc.board.geometry.n != doc.record().boardSize) SetBoardSize(doc.board, doc.record().boardSize);
  doc.state.modified = true;
  recomputePositions(doc, 0);
  doc.state.currentFileName.clear();
  leavePlaylistGame(doc);
  doc.state.gameInfo.fileFolders.erase(std::u16string(kSgfFileLabel));
  doc.state.gameInfo.fileNames.erase(std::u16string(kSgfFileLabel));
  doc.state.fileTitle.clear();
  recordUndo(doc, label);
  if (doc.record().boardSize != oldSize) callHook(doc.hooks.relayout);
  callHook(doc.hooks.repaint);
  return OpenOutcome::Opened;
}

std::u16string eraseComments(std::u16string text) {
  for (std::u16string_view id : {u"LB", u"N", u"C", u"LZ"}) {
    std::u16string pattern(id);
    pattern += u'[';
    std::size_t from = 0;
    for (;;) {
      std::size_t at = text.find(pattern, from);
      while (at != std::u16string::npos && at > 0 && isUpper(text[at - 1])) at = text.find(pattern, at + 1);
      if (at == std::u16string::npos) break;
      std::size_t end = at + id.size();
      while (end < text.size() && text[end] == u'[') end = valueEnd(text, end);
      text.erase(at, end - at);
      if (at < text.size() && text[at] == u')') text.insert(at + 1, 1, u'\n');
      from = at;
    }
  }
  return text;
}

void eraseCommentsInClipboard(platform::Services& services) {
  const std::u16string text = services.clipboardText();
  if (text.empty()) {
    tellEmpty(services);
    return;
  }
  const std::u16string erased = eraseComments(text);
  if (erased.empty()) {
    tellEmpty(services);
    return;
  }
  services.setClipboardText(erased);
  tell(services, u"コメント等を削除してクリップボードへ書き出しました", u"完了", platform::Icon::Information);
}

void countBracketsInClipboard(platform::Services& services) {
  const std::u16string text = services.clipboardText();
  if (text.empty()) {
    tellEmpty(services);
    return;
  }
  int open = 0, close = 0, black = 0, white = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'(') ++open;
    if (text[i] == u')') ++close;
    if (text[i] == u';' && i + 1 < text.size()) {
      if (text[i + 1] == u'B') ++black;
      if (text[i + 1] == u'W') ++white;
    }
  }
  auto n = [](int v) { return asciiToUtf16(std::to_string(v)); };
  tell(services,
       u"「(」の数: " + n(open) + u"\n「)」の数: " + n(close) + u"\n「;B」の数: " + n(black) + u"\n「;W」の数: " +
           n(white) + u"\n",
       u"括弧の数", platform::Icon::Information);
}

}  // namespace mokuza
