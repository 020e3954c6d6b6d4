#include "app/event_list.h"

#include <array>
#include <optional>
#include <utility>

#include "app/board_input.h"
#include "app/row_selection.h"
#include "app/view_refresh.h"
#include "core/document/navigation.h"
#include "core/document/undo.h"
#include "core/record/decimal.h"
#include "playback/midi_file.h"
#include "playback/resonance.h"

namespace mokuza::app {
namespace {

constexpr std::string_view kNumberKey = "No.";
constexpr std::string_view kMoveNameKey = "move_name";
constexpr std::string_view kResonanceNotesKey = "reso_sound";
constexpr std::string_view kResonanceStonesKey = "reso_stone";
constexpr std::size_t kCommentRow = 1;

// The instrument comes from the figure and the tempo from the design, so only
// the other seven note values can be asked for.
constexpr bool requestable(std::size_t value) { return value != playback::kProgram && value != playback::kTempo; }

constexpr std::size_t kColumnCount = 1 + kMoveInfoFields.size() + naming::kFigureMusicColumns.size() + 2;

constexpr std::array<TabColumnInfo, kColumnCount> kColumns = [] {
  std::array<TabColumnInfo, kColumnCount> columns{};
  std::size_t c = 0;
  columns[c++] = {kNumberKey, u"No.", 40, false};
  for (std::size_t row = 0; row < kMoveInfoFields.size(); ++row)
    columns[c++] = {kMoveInfoFields[row].key, kMoveInfoFields[row].label,
                    row == 0             ? 90
                    : row == kCommentRow ? 200
                                         : 70,
                    row != 0};
  for (std::size_t value = 0; value < naming::kFigureMusicColumns.size(); ++value)
    columns[c++] = {naming::kFigureMusicColumns[value].key, naming::kFigureMusicColumns[value].label, 50,
                    requestable(value)};
  columns[c++] = {kResonanceNotesKey, u"共鳴音", 80, false};
  columns[c++] = {kResonanceStonesKey, u"共鳴石", 100, false};
  return columns;
}();

// What may be asked for, by note value: 0 or -1 leave the value to the music
// mode; a note and the loudness are 7-bit; a time fits a MIDI delta.
constexpr std::array<std::pair<std::int32_t, std::int32_t>, 9> kRequestRanges{{
    {0, 0},               // instrument: not asked for
    {0, kCellTicksMax},   // length, 0: the figure's
    {0, 127},             // loudness, 0: 100
    {0, 127},             // note, 0: from the point
    {0, 0},               // tempo: not asked for
    {-1, kCellTicksMax},  // start, -1: after the move before
    {-1, 127},            // pan, -1: from the column
    {-1, kCellTicksMax},  // fade-in, -1: from the figure
    {-1, kCellTicksMax},  // fade-out, -1: from the figure
}};

std::optional<std::size_t> moveInfoRow(std::string_view key) {
  for (std::size_t row = 0; row < kMoveInfoFields.size(); ++row)
    if (kMoveInfoFields[row].key == key) return row;
  return std::nullopt;
}

const TabColumnInfo* columnInfo(std::string_view key) {
  for (const TabColumnInfo& info : kColumns)
    if (info.key == key) return &info;
  return nullptr;
}

bool onLine(const Application& app, int move) { return move >= 1 && move <= app.doc.moveCount(); }

bool numberFixed(const Application& app) { return switchOn(app.doc.globalOptions, GlobalOption::EventNumberFixed); }

std::string_view leadingKey(const Application& app) { return numberFixed(app) ? kNumberKey : std::string_view(); }

// "[%d]" per note of the stones that resonate with the move, each the note
// the move that placed the stone plays.
std::u16string resonanceNotes(const Application& app, int move) {
  const Board& board = app.doc.board;
  const playback::PlacedByRow* placedBy = playback::placedByRow(board, move);
  if (!placedBy) return {};
  const std::vector<MoveRecord>& line = app.doc.record().lineCopy;
  std::u16string text;
  playback::forEachResonance(
      board.geometry, line[static_cast<std::size_t>(move)], *placedBy, [&](int placer, BorderedPoint) {
        if (placer > 0 && placer < move)
          text += u"[" + decimalText(line[static_cast<std::size_t>(placer)].notes[1][playback::kNote]) + u"]";
      });
  return text;
}

std::u16string resonanceStones(const MoveRecord& record) {
  std::u16string text;
  for (std::int16_t stone : record.figureStones()) text += u"[" + decimalText(stone) + u"]";
  return text;
}

// SGF times are real numbers of seconds: a sign, digits, and a fraction.
bool isSeconds(std::u16string_view text) {
  if (!text.empty() && (text.front() == u'-' || text.front() == u'+')) text.remove_prefix(1);
  const std::size_t point = text.find(u'.');
  const std::u16string_view whole = text.substr(0, point);
  const std::u16string_view fraction = point == std::u16string_view::npos ? u"" : text.substr(point + 1);
  const auto digits = [](std::u16string_view part) {
    return std::all_of(part.begin(), part.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; });
  };
  return !whole.empty() && digits(whole) && digits(fraction) &&
         (point == std::u16string_view::npos || !fraction.empty());
}

// A property value as the record keeps it; nothing when the text is refused.
std::optional<std::u16string> propertyValue(Application& app, std::size_t row, std::u16string_view text) {
  if (row == kCommentRow) {
    std::u16string comment;
    for (char16_t c : text)
      if (c != u'\r') comment.push_back(c);
    return comment;
  }
  const std::u16string_view seconds = trimBlanks(text);
  if (!seconds.empty() && !isSeconds(seconds)) {
    refuseEdit(app, std::u16string(kMoveInfoFields[row].label) + u"は秒数（数字と小数点）で入力してください");
    return std::nullopt;
  }
  return std::u16string(seconds);
}

bool setProperty(Application& app, MoveRecord& target, std::size_t row, std::u16string_view text) {
  const std::optional<std::u16string> value = propertyValue(app, row, text);
  if (!value) return false;
  const std::u16string* old = target.properties[row];
  if (old ? *old == *value : value->empty()) return false;
  target.properties[row] = value->empty() ? nullptr : app.doc.record().intern(*value);
  return true;
}

bool setNoteValue(Application& app, MoveRecord& target, std::size_t value, std::u16string_view text) {
  const auto [low, high] = kRequestRanges[value];
  const std::optional<std::int32_t> number = parseCellInteger(text, low, high);
  if (!number) {
    refuseEdit(app, integerRangeMessage(naming::kFigureMusicColumns[value].label, low, high));
    return false;
  }
  if (target.notes[0][value] == *number) return false;
  // The played block shows the value until the music mode makes it again.
  target.notes[0][value] = target.notes[1][value] = *number;
  return true;
}

// As every change of the game ends; the replay from the move makes its name
// and the notes from it on again.
void finishEdit(Application& app, int move, std::u16string_view label) {
  Document& doc = app.doc;
  markModified(doc);
  rebuildCurrentLine(doc.record());
  recomputePositions(doc, move);
  recordUndo(doc, u"イベントリスト編集〈" + std::u16string(label) + u"〉 " + decimalText(move) + u"手目");
  refreshShownMove(app);
}

}  // namespace

std::span<const TabColumnInfo> eventListColumns() { return kColumns; }

std::u16string eventCellText(const Application& app, int move, std::string_view key) {
  if (!onLine(app, move)) return {};
  const MoveRecord& record = app.doc.record().lineCopy[static_cast<std::size_t>(move)];
  if (key == kNumberKey) return decimalText(move);
  if (key == kMoveNameKey)
    return move <= lastShowableMove(app.doc) ? std::u16string(app.doc.classifier.moveName(move)) : u"";
  if (const std::optional<std::size_t> row = moveInfoRow(key)) {
    const std::u16string* value = record.properties[*row];
    return value ? *value : u"";
  }
  if (const std::optional<std::size_t> value = musicValueIndex(key)) return decimalText(record.notes[1][*value]);
  if (key == kResonanceNotesKey) return resonanceNotes(app, move);
  if (key == kResonanceStonesKey) return resonanceStones(record);
  return {};
}

ListTabModel eventListModel(const Application& app) {
  ListTabModel model;
  model.columns = tabColumns(app.settings.columns.eventList, kColumns, leadingKey(app));
  model.numberFixed = numberFixed(app);
  fillTabRows(model, 1, app.doc.moveCount(),
              [&](int move, std::string_view key) { return eventCellText(app, move, key); });
  for (ListTabRow& row : model.rows) {
    row.shown = row.number == app.doc.currentMove();
    row.selected = chosenEventMoves(app).contains(row.number);
  }
  return model;
}

void clickEventRow(Application& app, int place, Modifiers modifiers) {
  const EventScope scope(app);
  const int move = place + 1;
  if (!onLine(app, move)) return;
  EventListChoice& choice = app.eventList;
  // A choice left from another game starts again from none.
  if (choice.game.lock() != app.doc.record().pool) choice = {{}, 0, app.doc.record().pool};
  clickRowSelection(choice.moves, choice.anchor, place, onLine(app, choice.anchor) ? choice.anchor - 1 : -1, modifiers,
                    [](int p) { return p + 1; });
  // Moves the line lost since they were chosen are rows no more.
  std::erase_if(choice.moves, [&](int chosen) { return !onLine(app, chosen); });
  if (move != app.doc.currentMove()) {
    showMove(app.doc, move);
    refreshShownMove(app);
  }
}

const std::set<int>& chosenEventMoves(const Application& app) {
  static const std::set<int> kNone;
  return app.eventList.game.lock() == app.doc.record().pool ? app.eventList.moves : kNone;
}

bool editEventCell(Application& app, int move, std::string_view key, std::u16string_view text) {
  const EventScope scope(app);
  const TabColumnInfo* info = columnInfo(key);
  if (!info || !info->editable || !onLine(app, move)) return false;
  GameRecord& record = app.doc.record();
  MoveRecord& target = *record.lineRecords[static_cast<std::size_t>(move)];
  const std::optional<std::size_t> row = moveInfoRow(key);
  const std::optional<std::size_t> value = musicValueIndex(key);
  const bool changed = row ? setProperty(app, target, *row, text) : value && setNoteValue(app, target, *value, text);
  if (changed) finishEdit(app, move, info->label);
  return changed;
}

ListOutcome resizeEventColumn(Application& app, std::string_view key, int width) {
  const EventScope scope(app);
  return setTabColumnWidth(app.settings.columns.eventList, kColumns, key, width) ? ListOutcome::Done
                                                                                 : ListOutcome::Nothing;
}

ListOutcome moveEventColumn(Application& app, std::string_view key, int place) {
  const EventScope scope(app);
  return moveTabColumn(app.settings.columns.eventList, kColumns, key, place, leadingKey(app)) ? ListOutcome::Done
                                                                                              : ListOutcome::Nothing;
}

void setEventNumberFixed(Application& app, bool fixed) {
  const EventScope scope(app);
  app.doc.globalOptions[GlobalOption::EventNumberFixed] = fixed ? 1 : 0;
}

}  // namespace mokuza::app
