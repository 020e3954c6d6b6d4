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

}  // namespace

ListOutcome setColumnWidth(PlaylistContext& context, std::string_view key, int width) {
  ListColumn* column = findColumn(context.playlist.columns, key);
  if (!column || width < 0 || column->width == width) return ListOutcome::Nothing;
  column->width = width;
  return commitListChange(context, u"リスト幅変更〈" + labelOf(key) + u"〉");
}

ListOutcome moveColumn(PlaylistContext& context, std::string_view key, int visiblePlace) {
  if (!moveVisibleColumn(context.playlist.columns, key, visiblePlace)) return ListOutcome::Nothing;
  return commitListChange(context, u"リスト並び変更〈" + labelOf(key) + u"〉");
}

ListOutcome toggleColumn(PlaylistContext& context, std::string_view key) {
  ColumnLayout& layout = context.playlist.columns;
  ListColumn* column = findColumn(layout, key);
  const bool hide = column && column->iorder >= 0;
  if (hide) {
    column->iorder = -1;
    renumberColumns(layout);
  } else {
    if (!column) {
      if (labelForKey(key).empty() || layout.columns.size() >= kMaxListColumns) return ListOutcome::Nothing;
      layout.columns.push_back({std::string(key), kNewColumnWidth, static_cast<int>(layout.columns.size()), -1});
      column = &layout.columns.back();
    }
    column->iorder = static_cast<int>(
        std::count_if(layout.columns.begin(), layout.columns.end(), [](const ListColumn& c) { return c.iorder >= 0; }));
  }
  return commitListChange(
      context, std::u16string(u"プレイリスト項目") + (hide ? u"削除 " : u"追加 ") + u"[" + labelOf(key) + u"]");
}

}  // namespace mokuza
