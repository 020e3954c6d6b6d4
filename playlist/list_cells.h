#pragma once
// What a list cell shows for a column, and how a column sorts.

#include <string>
#include <string_view>

#include "core/document/playlist_entry.h"

namespace mokuza {

// The entry's value under a column label: the number for "No.", the full path
// for a file column, the decimal value of an integer field, the text of any
// other field; empty when the entry has none.
std::u16string cellText(const PlaylistEntry& entry, std::u16string_view label);

// Whether a sorts before b in the column: "No.", "総手数" and the integer
// design fields compare as numbers, every other column as text.
bool cellLess(const PlaylistEntry& a, const PlaylistEntry& b, std::u16string_view label);

}  // namespace mokuza
