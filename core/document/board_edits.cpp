#include "core/document/board_edits.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "core/document/editing.h"
#include "core/document/navigation.h"
#include "core/record/text.h"

namespace mokuza {
namespace {

constexpr std::array<std::u16string_view, 4> kMarkTexts{u"▲", u"■", u"●", u"×"};
constexpr std::array<std::u16string_view, 4> kMarkDescriptions{u"▲印", u"■印", u"●印", u"×印"};

std::int16_t key(RecordPoint point) { return static_cast<std::int16_t>(point.index); }

bool editable(const Document& doc, RecordPoint point) {
  return !autoPlayRunning(doc) && isOnBoard(point.index, doc.record().boardSize);
}

MoveRecord& shownRecord(Document& doc) {
  return *doc.record().lineRecords[static_cast<std::size_t>(doc.currentMove())];
}

std::u16string_view colourName(int colour) { return colour > 0 ? u"黒" : u"白"; }

// Column then row, from 1, each with at least two digits.
std::u16string pointName(RecordPoint point, int n) {
  std::u16string name;
  for (int value : {point.index % n + 1, point.index / n + 1})
    name += asciiToUtf16((value < 10 ? "0" : "") + std::to_string(value));
  return name;
}

// "A".."Y" and "a".."y": the letters the label field steps through.
bool isLabelLetter(std::u16string_view text) {
  if (text.size() != 1) return false;
  const char16_t c = text[0];
  return (c >= u'a' && c <= u'y') || (c >= u'A' && c <= u'Y');
}

}  // namespace

std::optional<PlacedStone> placedStoneAt(const Document& doc, RecordPoint point) {
  const GameRecord& rec = doc.record();
  if (!isOnBoard(point.index, rec.boardSize)) return std::nullopt;
  const BoardGrid& shown = doc.shownPosition.boardGrid;
  const int m = shown.stones[point] == 0 ? -1 : shown.placedBy[point];
  if (m < 0 || static_cast<std::size_t>(m) >= rec.lineRecords.size()) return std::nullopt;
  const MoveRecord& placing = *rec.lineRecords[static_cast<std::size_t>(m)];
  if (const MarkEntry* setup = placing.marks.find(key(point)); setup && setup->stone != 0)
    return PlacedStone{m, true, setup->stone};
  if (placing.hasMove() && placing.point == point.index) return PlacedStone{m, false, placing.colour};
  return std::nullopt;
}

bool toggleSetupStone(Document& doc, RecordPoint point, int colour) {
  if (!editable(doc, point) || (colour != 1 && colour != -1)) return false;
  MoveRecord& record = shownRecord(doc);
  const MarkEntry* entry = record.marks.find(key(point));
  if (!(entry && entry->stone != 0)) {
    const std::optional<PlacedStone> placed = placedStoneAt(doc, point);
    if (placed && !placed->setup) return false;
  }
  MarkEntry& target = record.marks.at(key(point));
  target.stone = static_cast<std::int8_t>(target.stone == colour ? 0 : colour);
  // An entry left without stone and text goes when the line is rebuilt.
  finishMoveEdit(doc, doc.currentMove(), std::u16string(colourName(colour)) + u"石");
  return true;
}

bool toggleMark(Document& doc, RecordPoint point, MarkTool tool, std::u16string& labelField) {
  if (!editable(doc, point)) return false;
  MoveRecord& record = shownRecord(doc);
  if (const MarkEntry* entry = record.marks.find(key(point)); entry && !entry->text.empty()) {
    const std::u16string removed = entry->text;
    record.marks.at(key(point)).text.clear();
    if (isLabelLetter(removed)) labelField = removed;
    finishMoveEdit(doc, doc.currentMove(), u"マーク削除");
    return true;
  }
  const bool label = tool == MarkTool::Label;
  const auto index = static_cast<std::size_t>(tool);
  const std::u16string text = label ? clipMarkText(labelField) : std::u16string(kMarkTexts[index]);
  if (text.empty()) return false;
  record.marks.at(key(point)).text = text;
  if (label && isLabelLetter(text)) labelField = std::u16string(1, static_cast<char16_t>(text[0] + 1));
  finishMoveEdit(doc, doc.currentMove(), label ? u"文字：" + text : std::u16string(kMarkDescriptions[index]));
  return true;
}

bool moveStone(Document& doc, RecordPoint from, RecordPoint to) {
  if (!editable(doc, to) || from == to || doc.shownPosition.boardGrid.stones[to] != 0) return false;
  const std::optional<PlacedStone> placed = placedStoneAt(doc, from);
  if (!placed) return false;
  GameRecord& rec = doc.record();
  MoveRecord& record = *rec.lineRecords[static_cast<std::size_t>(placed->move)];
  if (placed->setup) {
    record.marks.at(key(from)).stone = 0;
    record.marks.at(key(to)).stone = static_cast<std::int8_t>(placed->colour);
  } else {
    record.point = static_cast<std::uint16_t>(to.index);
  }
  const int n = rec.boardSize;
  const std::u16string description = std::u16string(colourName(placed->colour)) + (placed->setup ? u"石" : u"") +
                                     u"位置変更 " + pointName(from, n) + u" →" + pointName(to, n);
  finishMoveEdit(doc, placed->move, description);
  return true;
}

bool removeStone(Document& doc, RecordPoint from) {
  if (!editable(doc, from)) return false;
  const std::optional<PlacedStone> placed = placedStoneAt(doc, from);
  if (!placed) return false;
  if (placed->setup) {
    // The entry lives in the record that placed the stone, not always the shown one.
    doc.record().lineRecords[static_cast<std::size_t>(placed->move)]->marks.at(key(from)).stone = 0;
    finishMoveEdit(doc, placed->move, std::u16string(colourName(placed->colour)) + u"石削除");
    return true;
  }
  const int back = doc.currentMove();
  showMove(doc, placed->move);
  if (!deleteMove(doc)) {
    showMove(doc, back);
    return false;
  }
  showMove(doc, std::max(back - 1, 0));
  return true;
}

}  // namespace mokuza
