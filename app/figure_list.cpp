#include "app/figure_list.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

#include "app/board_input.h"
#include "app/view_refresh.h"
#include "core/document/navigation.h"
#include "core/document/undo.h"
#include "core/naming/move_name.h"
#include "core/record/decimal.h"

namespace mokuza::app {
namespace {

constexpr std::string_view kNumberKey = "number";
constexpr std::string_view kNameKey = "name";
constexpr std::size_t kFirstStoneColumn = 2;

constexpr std::size_t kColumnCount = naming::kFigureColumns.size() + naming::kFigureMusicColumns.size();

constexpr std::array<TabColumnInfo, kColumnCount> kColumns = [] {
  std::array<TabColumnInfo, kColumnCount> columns{};
  std::size_t c = 0;
  for (std::size_t i = 0; i < naming::kFigureColumns.size(); ++i)
    columns[c++] = {naming::kFigureColumns[i].key, naming::kFigureColumns[i].label,
                    i == 0   ? 50
                    : i == 1 ? 120
                             : 160,
                    i < kFirstStoneColumn};
  for (const naming::FigureColumn& music : naming::kFigureMusicColumns)
    columns[c++] = {music.key, music.label, 50, true};
  return columns;
}();

// The values a figure row may hold, in the order of its music values.
constexpr std::array<std::pair<std::int32_t, std::int32_t>, 9> kMusicRanges{{
    {0, 127},             // instrument
    {0, kCellTicksMax},   // length
    {0, 127},             // loudness
    {0, 127},             // note
    {-1, kCellTicksMax},  // tempo
    {-1, kCellTicksMax},  // start
    {-1, 127},            // pan
    {0, kCellTicksMax},   // fade-in
    {0, kCellTicksMax},   // fade-out
}};

const naming::FigureTable& table(const Application& app) { return app.doc.classifier.figureTable(); }

bool inTable(const Application& app, int figure) { return figure >= 0 && figure < table(app).count(); }

// 0, 1, 2 for "in_stone1" .. "in_stone3".
std::optional<std::size_t> stoneColumn(std::string_view key) {
  for (std::size_t i = kFirstStoneColumn; i < naming::kFigureColumns.size(); ++i)
    if (naming::kFigureColumns[i].key == key) return i - kFirstStoneColumn;
  return std::nullopt;
}

// The figure that names the shown move, -1 when none does.
int shownFigure(const Application& app) {
  const int move = app.doc.currentMove();
  if (move < 1 || move > lastShowableMove(app.doc) || app.doc.classifier.moveName(move).empty()) return -1;
  return app.doc.classifier.moveFigure(move);
}

// The moves of the game are named with the new table from the first one on.
void useTable(Application& app, std::vector<naming::FigureRow> rows, const std::u16string& description) {
  app.doc.classifier.setFigureTable(naming::FigureTable(std::move(rows)));
  recomputePositions(app.doc, 0);
  recordUndo(app.doc, description);
  refreshShownMove(app);
}

// Why a name cannot be a figure's, empty when it can. The figure list file
// keeps a name between tags, one per line; the move names are cut at their
// cell's length; a name two rows share finds only the later row.
std::u16string nameProblem(const Application& app, int figure, std::u16string_view name) {
  if (name.empty()) return u"型名を入力してください";
  if (name.size() > static_cast<std::size_t>(naming::kMoveNameCapacity))
    return u"型名は" + decimalText(naming::kMoveNameCapacity) + u"文字までです";
  if (name.find_first_of(u"<>\r\n") != std::u16string_view::npos) return u"型名に「<」「>」と改行は使えません";
  const std::vector<naming::FigureRow>& rows = table(app).rows();
  for (std::size_t other = 0; other < rows.size(); ++other)
    if (static_cast<int>(other) != figure && rows[other].name == name)
      return u"「" + std::u16string(name) + u"」は型No." + decimalText(static_cast<std::int64_t>(other)) +
             u"の型名です";
  return {};
}

bool rename(Application& app, int figure, std::u16string_view text) {
  const std::u16string_view name = trimBlanks(text);
  const std::u16string old(table(app).name(figure));
  if (name == old) return false;
  if (const std::u16string problem = nameProblem(app, figure, name); !problem.empty()) {
    refuseEdit(app, problem);
    return false;
  }
  std::vector<naming::FigureRow> rows = table(app).rows();
  rows[static_cast<std::size_t>(figure)].name = std::u16string(name);
  useTable(app, std::move(rows), u"型名変更〈" + old + u"→" + std::u16string(name) + u"〉");
  return true;
}

bool setMusicValue(Application& app, int figure, std::size_t value, std::u16string_view text) {
  const auto [low, high] = kMusicRanges[value];
  const std::u16string_view label = naming::kFigureMusicColumns[value].label;
  const std::optional<std::int32_t> number = parseCellInteger(text, low, high);
  if (!number) {
    refuseEdit(app, integerRangeMessage(label, low, high));
    return false;
  }
  std::vector<naming::FigureRow> rows = table(app).rows();
  std::int32_t& stored = rows[static_cast<std::size_t>(figure)].music[value];
  if (stored == *number) return false;
  const std::u16string change = decimalText(stored) + u"→" + decimalText(*number);
  stored = *number;
  const std::u16string name = rows[static_cast<std::size_t>(figure)].name;
  useTable(app, std::move(rows), u"型の" + std::u16string(label) + u"変更〈" + name + u"〉 " + change);
  return true;
}

}  // namespace

std::span<const TabColumnInfo> figureListColumns() { return kColumns; }

std::u16string figureCellText(const Application& app, int figure, std::string_view key) {
  if (!inTable(app, figure)) return {};
  const naming::FigureRow& row = table(app).rows()[static_cast<std::size_t>(figure)];
  if (key == kNumberKey) return decimalText(figure);
  if (key == kNameKey) return row.name;
  if (const std::optional<std::size_t> stone = stoneColumn(key))
    return *stone < row.stones.size() ? row.stones[*stone] : u"";
  if (const std::optional<std::size_t> value = musicValueIndex(key)) return decimalText(row.music[*value]);
  return {};
}

ListTabModel figureListModel(const Application& app) {
  ListTabModel model;
  model.columns = tabColumns(app.settings.columns.figureList, kColumns, {});
  fillTabRows(model, 0, table(app).count() - 1,
              [&](int figure, std::string_view key) { return figureCellText(app, figure, key); });
  const int shown = shownFigure(app);
  for (ListTabRow& row : model.rows) row.shown = row.number == shown;
  return model;
}

bool editFigureCell(Application& app, int figure, std::string_view key, std::u16string_view text) {
  const EventScope scope(app);
  if (!inTable(app, figure)) return false;
  if (key == kNameKey) return rename(app, figure, text);
  if (const std::optional<std::size_t> value = musicValueIndex(key)) return setMusicValue(app, figure, *value, text);
  if (key != kNumberKey) return false;
  const std::int32_t last = table(app).count() - 1;
  const std::optional<std::int32_t> place = parseCellInteger(text, 0, last);
  if (!place) {
    refuseEdit(app, integerRangeMessage(naming::kFigureColumns[0].label, 0, last));
    return false;
  }
  return moveFigureRow(app, figure, *place);
}

bool moveFigureRow(Application& app, int figure, int place) {
  const EventScope scope(app);
  if (!inTable(app, figure)) return false;
  place = std::clamp(place, 0, table(app).count() - 1);
  if (place == figure) return false;
  std::vector<naming::FigureRow> rows = table(app).rows();
  const auto from = rows.begin() + figure;
  const auto to = rows.begin() + place;
  if (place > figure) std::rotate(from, from + 1, to + 1);
  else std::rotate(to, from, from + 1);
  const std::u16string name = rows[static_cast<std::size_t>(place)].name;
  useTable(app, std::move(rows),
           u"型の優先順位変更〈" + name + u"〉 " + decimalText(figure) + u"→" + decimalText(place));
  return true;
}

ListOutcome resizeFigureColumn(Application& app, std::string_view key, int width) {
  const EventScope scope(app);
  return setTabColumnWidth(app.settings.columns.figureList, kColumns, key, width) ? ListOutcome::Done
                                                                                  : ListOutcome::Nothing;
}

ListOutcome moveFigureColumn(Application& app, std::string_view key, int place) {
  const EventScope scope(app);
  return moveTabColumn(app.settings.columns.figureList, kColumns, key, place, {}) ? ListOutcome::Done
                                                                                  : ListOutcome::Nothing;
}

}  // namespace mokuza::app
