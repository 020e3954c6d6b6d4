#include "app/list_tabs.h"

#include <algorithm>
#include <charconv>

#include "core/naming/figure_table.h"
#include "core/record/decimal.h"
#include "playlist/column_layout.h"

namespace mokuza::app {
namespace {

const TabColumnInfo* findOptionInfo(std::span<const TabColumnInfo> infos, std::string_view key) {
  auto it = std::find_if(infos.begin(), infos.end(), [&](const TabColumnInfo& info) { return info.key == key; });
  return it == infos.end() ? nullptr : &*it;
}

ListColumn* findColumn(ColumnLayout& layout, std::string_view key) {
  auto it = std::find_if(layout.columns.begin(), layout.columns.end(),
                         [&](const ListColumn& column) { return column.key == key; });
  return it == layout.columns.end() ? nullptr : &*it;
}

// The stored layout with only the tab's columns, every one of them, in dense
// places, the leading one first.
ColumnLayout tabLayout(std::u16string_view stored, std::span<const TabColumnInfo> infos, std::string_view leading) {
  // The settings keep the block with its line feeds.
  std::u16string text;
  for (char16_t c : stored)
    if (c != u'\n' && c != u'\r') text.push_back(c);
  ColumnLayout layout;
  for (ListColumn& column : parseColumnLayout(text).columns)
    if (findOptionInfo(infos, column.key) && !findColumn(layout, column.key))
      layout.columns.push_back(std::move(column));
  // Places after every stored one, in the order of the infos.
  int next = static_cast<int>(layout.columns.size()) + static_cast<int>(kMaxListColumns);
  for (const TabColumnInfo& info : infos)
    if (!findColumn(layout, info.key)) {
      layout.columns.push_back({std::string(info.key), info.width, next, next});
      ++next;
    }
  renumberColumns(layout);
  if (!leading.empty()) moveVisibleColumn(layout, leading, 0);
  return layout;
}

}  // namespace

std::vector<ListTabColumn> tabColumns(std::u16string_view stored, std::span<const TabColumnInfo> infos,
                                      std::string_view leading) {
  ColumnLayout layout = tabLayout(stored, infos, leading);
  std::vector<ListTabColumn> columns;
  for (const std::string& key : visibleColumnKeys(layout)) {
    const TabColumnInfo& info = *findOptionInfo(infos, key);
    columns.push_back({key, std::u16string(info.label), findColumn(layout, key)->width, info.editable});
  }
  return columns;
}

bool setTabColumnWidth(std::u16string& stored, std::span<const TabColumnInfo> infos, std::string_view key, int width) {
  ColumnLayout layout = tabLayout(stored, infos, {});
  ListColumn* column = findColumn(layout, key);
  if (!column || width < 0 || column->width == width) return false;
  column->width = width;
  stored = formatColumnLayout(layout);
  return true;
}

bool moveTabColumn(std::u16string& stored, std::span<const TabColumnInfo> infos, std::string_view key, int place,
                   std::string_view leading) {
  ColumnLayout layout = tabLayout(stored, infos, leading);
  if (!leading.empty()) {
    const ListColumn* first = findColumn(layout, leading);
    if (key == leading) return false;
    if (first && first->iorder == 0) place = std::max(place, 1);
  }
  if (!moveVisibleColumn(layout, key, place)) return false;
  stored = formatColumnLayout(layout);
  return true;
}

std::optional<std::size_t> musicValueIndex(std::string_view key) {
  for (std::size_t value = 0; value < naming::kFigureMusicColumns.size(); ++value)
    if (naming::kFigureMusicColumns[value].key == key) return value;
  return std::nullopt;
}

std::u16string_view trimBlanks(std::u16string_view text) {
  const auto blank = [](char16_t c) { return c == u' ' || c == u'\t' || c == u'\u3000' || c == u'\r' || c == u'\n'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

std::optional<std::int32_t> parseCellInteger(std::u16string_view text, std::int32_t low, std::int32_t high) {
  text = trimBlanks(text);
  if (text.empty() || text.size() > 12) return std::nullopt;
  std::string ascii;
  for (char16_t c : text) {
    if (c != u'-' && (c < u'0' || c > u'9')) return std::nullopt;
    ascii.push_back(static_cast<char>(c));
  }
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
  if (error != std::errc() || end != ascii.data() + ascii.size() || value < low || value > high) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

std::u16string integerRangeMessage(std::u16string_view label, std::int32_t low, std::int32_t high) {
  return std::u16string(label) + u"は" + decimalText(low) + u"～" + decimalText(high) + u"の整数で入力してください";
}

void refuseEdit(Application& app, std::u16string message) {
  app.services.messageBox({std::move(message), u"エラー", platform::Buttons::Ok, platform::Icon::Warning});
}

}  // namespace mokuza::app
