#include "core/record/property_tables.h"

#include <cstdint>

namespace mokuza {
namespace {

template <std::size_t Size>
std::optional<std::size_t> indexOfLabel(const std::array<PropertyField, Size>& table, std::u16string_view label) {
  for (std::size_t i = 0; i < Size; ++i)
    if (table[i].label == label) return i;
  return std::nullopt;
}

// Row of each short identifier in a table, -1 where it has none. Identifiers
// are looked up for every property read, so this is an index, not a scan.
template <std::size_t Size>
constexpr std::array<std::int8_t, kShortIdCount> rowsById(const std::array<PropertyField, Size>& table) {
  std::array<std::int8_t, kShortIdCount> rows{};
  rows.fill(-1);
  for (std::size_t i = 0; i < Size; ++i) rows[static_cast<std::size_t>(shortIdKey(table[i].sgfId))] = std::int8_t(i);
  return rows;
}

constexpr auto kMoveInfoRows = rowsById(kMoveInfoFields);
constexpr auto kGameInfoRows = rowsById(kGameInfoFields);

std::optional<std::size_t> rowOf(const std::array<std::int8_t, kShortIdCount>& rows, std::u16string_view sgfId) {
  const int key = shortIdKey(sgfId);
  if (key < 0 || rows[static_cast<std::size_t>(key)] < 0) return std::nullopt;
  return static_cast<std::size_t>(rows[static_cast<std::size_t>(key)]);
}

}  // namespace

std::optional<std::size_t> moveInfoIndexByLabel(std::u16string_view label) {
  return indexOfLabel(kMoveInfoFields, label);
}

std::optional<std::size_t> moveInfoIndexById(std::u16string_view sgfId) { return rowOf(kMoveInfoRows, sgfId); }

std::optional<std::size_t> gameInfoIndexById(std::u16string_view sgfId) { return rowOf(kGameInfoRows, sgfId); }

}  // namespace mokuza
