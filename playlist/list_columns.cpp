#include "playlist/list_columns.h"

#include <algorithm>

#include "core/record/text.h"
#include "playlist/design_fields.h"

namespace mokuza {
namespace {

constexpr int kNewColumnWidth = 80;

ListColumn* findColumn(ColumnLayout& layout, std::string_view key) {
  auto it = std::find_if(layout.columns.begin(), layout.columns.end(),
                         [&](const ListColumn& column) { return column.key == key; });
  return it == layout.columns.end() ? nullptr : &*it;
}

std::u16string labelOf(std::string_view key) {
  const std::u16string_view label = labelForKey(key);
  return label.empty() ? asciiToUtf16(key) : std::u16string(label);
}

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

ListOutcome setColumnWidth(PlaylistContext& context, std::string_view key, int width) {
  ListColumn* column = findColumn(context.playlist.columns, key);
  if (!column || width < 0 || column->width == width) return ListOutcome::Nothing;
  column->width = width;
  return commitListChange(context, u"リスト幅変更〈" + labelOf(key) + u"〉");
}

ListOutcome moveColumn(PlaylistContext& context, std::string_view key, int visiblePlace) {
  ColumnLayout& layout = context.playlist.columns;
  ListColumn* moved = findColumn(layout, key);
  if (!moved || moved->iorder < 0) return ListOutcome::Nothing;
  std::vector<ListColumn*> visible = orderedBy(layout, &ListColumn::iorder, true);
  const int last = static_cast<int>(visible.size()) - 1;
  visiblePlace = std::clamp(visiblePlace, 0, last);
  if (moved->iorder == visiblePlace) return ListOutcome::Nothing;
  visible.erase(std::find(visible.begin(), visible.end(), moved));
  visible.insert(visible.begin() + visiblePlace, moved);
  number(visible, &ListColumn::iorder);

  // In the order of all columns it stands before the visible column that now follows it.
  std::vector<ListColumn*> all = orderedBy(layout, &ListColumn::alliod, false);
  all.erase(std::find(all.begin(), all.end(), moved));
  const auto follower = visiblePlace < last
                            ? std::find(all.begin(), all.end(), visible[static_cast<std::size_t>(visiblePlace) + 1])
                            : all.end();
  all.insert(follower, moved);
  number(all, &ListColumn::alliod);
  return commitListChange(context, u"リスト並び変更〈" + labelOf(key) + u"〉");
}

ListOutcome toggleColumn(PlaylistContext& context, std::string_view key) {
  ColumnLayout& layout = context.playlist.columns;
  ListColumn* column = findColumn(layout, key);
  const bool hide = column && column->iorder >= 0;
  if (hide) {
    column->iorder = -1;
    number(orderedBy(layout, &ListColumn::iorder, true), &ListColumn::iorder);
  } else {
    if (!column) {
      if (labelForKey(key).empty() || layout.columns.size() >= kMaxListColumns) return ListOutcome::Nothing;
      layout.columns.push_back({std::string(key), kNewColumnWidth, static_cast<int>(layout.columns.size()), -1});
      column = &layout.columns.back();
    }
    column->iorder = static_cast<int>(orderedBy(layout, &ListColumn::iorder, true).size());
  }
  return commitListChange(
      context, std::u16string(u"プレイリスト項目") + (hide ? u"削除 " : u"追加 ") + u"[" + labelOf(key) + u"]");
}

}  // namespace mokuza
