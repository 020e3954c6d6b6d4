#include "core/naming/figure_table.h"

#include "core/naming/figures.h"

namespace mokuza::naming {
namespace {

constexpr std::u16string_view kPlayedStone = u"FR,PX:n,PY:n,PH:n,DX:0,DY:0,DH;0";

// The descriptions of one built-in row; an empty first description stands
// for the played stone itself.
struct BuiltInDescriptions {
  std::u16string_view first;
  std::u16string_view second;
  std::array<std::u16string_view, 2> further;
};

// Rows 38 .. 65 share these eight descriptions.
constexpr std::array<std::u16string_view, 8> kFrameworkDescriptions{
    u"FR,PX:6～7,PY:3,DX:2,DY:1", u"FR,PX:6～7,PY:4,DX:2,DY:0", u"FR,PX:5～6,PY:3,DX:2,DY:1",
    u"FR,PX:5～6,PY:4,DX:2,DY:0", u"EN,PX:6～7,PY:3,DX:2,DY:1", u"EN,PX:6～7,PY:4,DX:2,DY:0",
    u"EN,PX:5～6,PY:3,DX:2,DY:1", u"EN,PX:5～6,PY:4,DX:2,DY:0"};

// clang-format off
constexpr std::array<BuiltInDescriptions, 38> kLeadingRows{{
    {{}, u"FR,PX:n,PY:n,DX:1,DY:1", {}},
    {{}, u"EN,PX:n,PY:n,DX:1,DY:1", {}},
    {{}, u"FR,PX:n,PY:n,DX:0,DY:1", {}},
    {{}, u"EN,PX:n,PY:n,DX:0,DY:1", {}},
    {{}, u"EN,PX:n,PY:n,DX:1,DY:7", {}},
    {{}, u"EN,PX:n,PY:n,DX:0,DY:6", {}},
    {{}, u"EN,PX:n,PY:n,DX:1,DY:6", {}},
    {{}, u"EN,PX:n,PY:n,DX:0,DY:5", {}},
    {{}, u"EN,PX:n,PY:n,DX:1,DY:5", {}},
    {{}, u"EN,PX:n,PY:n,DX:0,DY:4", {}},
    {{}, u"EN,PX:n,PY:n,DX:2,DY:6", {}},
    {{}, u"EN,PX:n,PY:n,DX:0,DY:3", {}},
    {{}, u"EN,PX:n,PY:n,DX:2,DY:4", {}},
    {{}, u"EN,PX:n,PY:n,DX:0,DY:2", {}},
    {{}, u"EN,PX:n,PY:n,DX:1,DY:2", {}},
    {{}, u"EN,PX:n,PY:n,DX:0,DY:1", {}},
    {{}, u"FR,PX:n,PY:n,DX:1,DY:6", {}},
    {{}, u"FR,PX:n,PY:n,DX:0,DY:6", {}},
    {{}, u"FR,PX:n,PY:n,DX:1,DY:5", {}},
    {{}, u"FR,PX:n,PY:n,DX:0,DY:5", {}},
    {{}, u"FR,PX:n,PY:n,DX:1,DY:4", {}},
    {{}, u"FR,PX:n,PY:n,DX:0,DY:4", {}},
    {{}, u"FR,PX:n,PY:n,DX:2,DY:6", {}},
    {{}, u"FR,PX:n,PY:n,DX:0,DY:3", {}},
    {{}, u"FR,PX:n,PY:n,DX:2,DY:4", {}},
    {{}, u"FR,PX:n,PY:n,DX:0,DY:2", {}},
    {{}, u"FR,PX:n,PY:n,DX:1,DY:2", {}},
    {{}, u"FR,PX:n,PY:n,DX:0,DY:1", {}},
    {{}, u"FR,PX:n,PY:n,DX:0,DY:1", {}},
    {u"FR,PX:4,PY:4", {}, {}},
    {u"FR,PX:3,PY:3", {}, {}},
    {u"FR,PX:3,PY:4", {}, {}},
    {u"FR,PX:4,PY:5", {}, {}},
    {u"FR,PX:3,PY:5", {}, {}},
    {u"FR,PX:4,PY:6", {}, {}},
    {u"FR,PX:3,PY:6", {}, {}},
    {u"FR,PX:5,PY:5", {}, {}},
    {u"FR,PX:10,PY:10", {}, {}},
}};
// clang-format on

constexpr std::array<BuiltInDescriptions, 32> kTrailingRows{{
    {u"PH:3～4", u"EN,PH:3～4,DX:2,DY:0", {}},
    {{}, u"FR,PX:n,PY:n,DX:0,DY:1,DH:±1", {}},
    {{}, u"FR,PX:n,PY:n,DX:0,DY:1,DH:±1", {u"EN,PX:n,PY:n,DX:1,DY:1,DH:±1"}},
    {{}, u"FR,PX:n,PY:n,DX:0,DY:1,DH:1", {u"EN,PX:n,PY:n,DX:1,DY:1,DH:±1"}},
    {{}, u"FR,PX:n,PY:n,DX:0,DY:1,DH:±1", {u"EN,PX:n,PY:n,DX:1,DY:1,DH:±1", u"FR,PX:n,PY:n,DX:-1,DY:-2～-1,DH:±1"}},
    {{}, u"FR,PX:n,PY:n,DX:0,DY:1,DH:±1", {u"EN,PX:n,PY:n,DX:1,DY:0,DH:1"}},
    {{}, u"FR,PX:n,PY:n,DX:1,DY:1", {u"EN,PX:n,PY:n,DX:1,DY:1"}},
    {{}, u"FR,PX:n,PY:n,DX:2,DY:1", {u"EN,PX:n,PY:n,DX:2,DY:1"}},
    {{}, u"FR,PX:n,PY:n,DX:1,DY:2", {u"EN,PX:n,PY:n,DX:1,DY:2"}},
    {{}, u"FR,PX:n,PY:n,DX:1,DY:2", {u"EN,PX:n,PY:n,DX:1,DY:2"}},
    {{}, u"FR,PX:n,PY:n,DX:0,DY:1", {u"EN,PX:n,PY:n,DX:1,DY:0"}},
    {{}, u"FR,PX:n,PY:n,DX:0,DY:1", {u"EN,PX:n,PY:n,DX:1,DY:0"}},
    {{}, u"FR,PX:n,PY:n,DX:1,DY:1", {u"EN,PX:n,PY:n,DX:1,DY:1"}},
    {{}, u"FR,PX:n,PY:n,DX:1,DY:0", {u"EN,PX:n,PY:n,DX:0,DY:1"}},
    {{}, u"FR,PX:n,PY:n,DX:2,DY:0", {u"EN,PX:n,PY:n,DX:0,DY:2"}},
    {{}, u"FR,PX:n,PY:n,DX:2,DY:1", {u"EN,PX:n,PY:n,DX:2,DY:1"}},
    {{}, u"FR,PX:n,PY:n,DX:1,DY:0", {u"EN,PX:n,PY:n,DX:0,DY:1"}},
    {{}, u"FR,PX:n,PY:n,DX:1,DY:0", {u"EN,PX:n,PY:n,DX:0,DY:1"}},
    {{}, u"FR,PX:n,PY:n,DX:1,DY:1", {u"EN,PX:n,PY:n,DX:1,DY:1"}},
    {{}, u"FR,PX:n,PY:n,DX:2,DY:2", {u"EN,PX:n,PY:n,DX:2,DY:2"}},
    {{}, u"FR,PX:n,PY:n,DX:1,DY:1", {u"EN,PX:n,PY:n,DX:1,DY:1"}},
    {{}, u"FR,PX:n,PY:n,DX:1,DY:1", {u"EN,PX:n,PY:n,DX:1,DY:1"}},
    {{}, u"FR,PX:n,PY:n,DX:1,DY:0", {u"EN,PX:n,PY:n,DX:0,DY:1"}},
    {{}, u"FR,PX:n,PY:n,DX:0,DY:2", {u"EN,PX:n,PY:n,DX:2,DY:0"}},
    {{}, u"FR,PX:n,PY:n,DX:1,DY:1", {u"EN,PX:n,PY:n,DX:1,DY:1"}},
    {{}, u"FR,PX:n,PY:n,DX:2,DY:1", {u"EN,PX:n,PY:n,DX:2,DY:1"}},
    {{}, u"FR,PX:n,PY:n,DX:0,DY:1", {u"EN,PX:n,PY:n,DX:1,DY:0"}},
    {{}, u"FR,PX:n,PY:n,DX:1,DY:2", {u"EN,PX:n,PY:n,DX:2,DY:1"}},
    {{}, u"FR,PX:n,PY:n,DX:1,DY:1", {u"EN,PX:n,PY:n,DX:1,DY:1"}},
    {{}, u"FR,PX:n,PY:n,DX:1,DY:0", {u"EN,PX:n,PY:n,DX:0,DY:1"}},
    {{}, u"FR,PX:n,PY:n,DX:1,DY:1", {u"EN,PX:n,PY:n,DX:1,DY:1"}},
    {{}, {}, {}},
}};

// Which of them each of rows 38 .. 65 shows.
constexpr std::array<std::uint8_t, 28> kFrameworkDescriptionOfRow{0, 1, 2, 4, 5, 6, 7, 0, 1, 2, 3, 4, 5, 6,
                                                                  7, 0, 1, 2, 3, 4, 0, 1, 2, 3, 4, 5, 6, 7};

static_assert(kLeadingRows.size() == kShimari && kShimari + 28 == kTsume &&
              kTsume + kTrailingRows.size() == kBuiltInFigureCount);

FigureRow makeRow(int number, const BuiltInDescriptions& d) {
  FigureRow row;
  row.name = kFigureNames[static_cast<std::size_t>(number)];
  row.stones = {std::u16string(d.first.empty() ? kPlayedStone : d.first), std::u16string(d.second), std::u16string()};
  for (std::u16string_view more : d.further)
    if (!more.empty()) row.stones.emplace_back(more);
  return row;
}

}  // namespace

std::vector<FigureRow> builtInFigureRows() {
  std::vector<FigureRow> rows;
  rows.reserve(kBuiltInFigureCount);
  for (std::size_t i = 0; i < kLeadingRows.size(); ++i) rows.push_back(makeRow(static_cast<int>(i), kLeadingRows[i]));
  for (int i = 0; i < 28; ++i)
    rows.push_back(makeRow(kShimari + i,
                           {{}, kFrameworkDescriptions[kFrameworkDescriptionOfRow[static_cast<std::size_t>(i)]], {}}));
  for (std::size_t i = 0; i < kTrailingRows.size(); ++i)
    rows.push_back(makeRow(kTsume + static_cast<int>(i), kTrailingRows[i]));
  return rows;
}

FigureTable::FigureTable() : FigureTable(builtInFigureRows()) {}

FigureTable::FigureTable(std::vector<FigureRow> rows) : rows_(std::move(rows)) {
  if (rows_.size() > kMaxFigureRows) rows_.resize(kMaxFigureRows);
  numbers_.reserve(rows_.size());
  for (std::size_t i = 0; i < rows_.size(); ++i) numbers_.insert_or_assign(rows_[i].name, static_cast<int>(i));
}

int FigureTable::find(std::u16string_view name) const {
  auto it = numbers_.find(name);
  return it == numbers_.end() ? kNoFigure : it->second;
}

std::u16string_view FigureTable::name(int figure) const {
  if (figure < 0 || figure >= count()) return {};
  return rows_[static_cast<std::size_t>(figure)].name;
}

}  // namespace mokuza::naming
