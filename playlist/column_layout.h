#pragma once
// The column layout of a list window as plain data: which columns, how wide,
// in what order. The playlist file stores it in its "listitem" block.

#include <string>
#include <string_view>
#include <vector>

namespace mokuza {

struct ListColumn {
  std::string key;  // the column's key ("No.", "bname", ...)
  int width = 0;
  int alliod = 0;   // place in the remembered order of all columns, hidden ones included
  int iorder = -1;  // place among the visible columns; -1 when hidden

  bool operator==(const ListColumn&) const = default;
};

constexpr std::size_t kMaxListColumns = 256;

struct ColumnLayout {
  std::vector<ListColumn> columns;  // in the window's column order

  bool operator==(const ColumnLayout&) const = default;
};

// "No.", "SGFファイル", "黒対局者", "白対局者", "対局日", "結果", all visible.
ColumnLayout defaultPlaylistColumns();

// The block's text after "<listitem>": per column "key:\n[width=..][alliod=..][iorder=..];\n".
std::u16string formatColumnLayout(const ColumnLayout& layout);
// The inverse, from the value with its line feeds removed. Entries without a
// key are skipped; at most kMaxListColumns are kept.
ColumnLayout parseColumnLayout(std::u16string_view value);

// The visible columns' keys in their visible order.
std::vector<std::string> visibleColumnKeys(const ColumnLayout& layout);

// Places 0, 1, ... again in both orders, kept as they stand, after columns
// were hidden, added or dropped.
void renumberColumns(ColumnLayout& layout);
// A visible column dragged to another visible place (held to the visible
// ones); in the order of all columns it then stands before the visible column
// that follows it. False when it is not visible or already there.
bool moveVisibleColumn(ColumnLayout& layout, std::string_view key, int visiblePlace);

}  // namespace mokuza
