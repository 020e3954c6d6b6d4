#include "playlist/column_layout.h"

#include <algorithm>

#include "core/record/decimal.h"
#include "core/record/text.h"

namespace mokuza {
namespace {

// Columns in an order given by a member, as pointers.
std::vector<ListColumn*> orderedBy(ColumnLayout& layout, int ListColumn::*place, bool visibleOnly) {
  std::vector<ListColumn*> columns;
  for (ListColumn& column : layout.columns)
    if (!visibleOnly || column.iorder >= 0) columns.push_back(&column);
  std::stable_sort(columns.begin(), columns.end(),
                   [place](const ListColumn* a, const ListColumn* b) { return a->*place < b->*place; });
  return columns;
}

void number(const std::vector<ListColumn*>& columns, int ListColumn::*place) {
  int next = 0;
  for (ListColumn* column : columns) column->*place = next++;
}

}  // namespace

ColumnLayout defaultPlaylistColumns() {
  const std::pair<const char*, int> columns[] = {{"No.", 40},    {"sgf_file", 160}, {"bname", 100},
                                                 {"wname", 100}, {"gmdate", 90},    {"score", 80}};
  ColumnLayout layout;
  int place = 0;
  for (const auto& [key, width] : columns) {
    layout.columns.push_back({key, width, place, place});
    ++place;
  }
  return layout;
}

std::u16string formatColumnLayout(const ColumnLayout& layout) {
  std::u16string text;
  for (const ListColumn& column : layout.columns) {
    text += utf8ToUtf16(column.key) + u":\n";
    text += u"[width=" + decimalText(column.width) + u"][alliod=" + decimalText(column.alliod) + u"]";
    if (column.iorder >= 0) text += u"[iorder=" + decimalText(column.iorder) + u"]";
    text += u";\n";
  }
  return text;
}

ColumnLayout parseColumnLayout(std::u16string_view value) {
  ColumnLayout layout;
  std::size_t start = 0;
  while (start < value.size() && layout.columns.size() < kMaxListColumns) {
    std::size_t end = value.find(u';', start);
    if (end == std::u16string_view::npos) end = value.size();
    const std::u16string_view item = value.substr(start, end - start);
    start = end + 1;

    const std::size_t colon = item.find(u':');
    if (colon == std::u16string_view::npos || colon == 0) continue;
    ListColumn column;
    column.key = utf16ToUtf8(item.substr(0, colon));
    std::size_t open = item.find(u'[', colon);
    while (open != std::u16string_view::npos) {
      const std::size_t close = item.find(u']', open);
      if (close == std::u16string_view::npos) break;
      const std::u16string_view setting = item.substr(open + 1, close - open - 1);
      const std::size_t equals = setting.find(u'=');
      if (equals != std::u16string_view::npos) {
        const std::u16string_view name = setting.substr(0, equals);
        const std::int32_t number = parseInt32(setting.substr(equals + 1));
        if (name == u"width") column.width = number;
        else if (name == u"alliod") column.alliod = number;
        else if (name == u"iorder") column.iorder = number < 0 ? -1 : number;
      }
      open = item.find(u'[', close);
    }
    layout.columns.push_back(std::move(column));
  }
  return layout;
}

std::vector<std::string> visibleColumnKeys(const ColumnLayout& layout) {
  std::vector<const ListColumn*> visible;
  for (const ListColumn& column : layout.columns)
    if (column.iorder >= 0) visible.push_back(&column);
  std::stable_sort(visible.begin(), visible.end(),
                   [](const ListColumn* a, const ListColumn* b) { return a->iorder < b->iorder; });
  std::vector<std::string> keys;
  for (const ListColumn* column : visible) keys.push_back(column->key);
  return keys;
}

void renumberColumns(ColumnLayout& layout) {
  number(orderedBy(layout, &ListColumn::iorder, true), &ListColumn::iorder);
  number(orderedBy(layout, &ListColumn::alliod, false), &ListColumn::alliod);
}

bool moveVisibleColumn(ColumnLayout& layout, std::string_view key, int visiblePlace) {
  auto found = std::find_if(layout.columns.begin(), layout.columns.end(),
                            [&](const ListColumn& column) { return column.key == key; });
  if (found == layout.columns.end() || found->iorder < 0) return false;
  ListColumn* moved = &*found;
  std::vector<ListColumn*> visible = orderedBy(layout, &ListColumn::iorder, true);
  const int last = static_cast<int>(visible.size()) - 1;
  visiblePlace = std::clamp(visiblePlace, 0, last);
  if (moved->iorder == visiblePlace) return false;
  visible.erase(std::find(visible.begin(), visible.end(), moved));
  visible.insert(visible.begin() + visiblePlace, moved);
  number(visible, &ListColumn::iorder);

  std::vector<ListColumn*> all = orderedBy(layout, &ListColumn::alliod, false);
  all.erase(std::find(all.begin(), all.end(), moved));
  const auto follower = visiblePlace < last
                            ? std::find(all.begin(), all.end(), visible[static_cast<std::size_t>(visiblePlace) + 1])
                            : all.end();
  all.insert(follower, moved);
  number(all, &ListColumn::alliod);
  return true;
}

}  // namespace mokuza
