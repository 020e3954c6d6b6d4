#include "core/record/property_tables.h"

namespace mokuza {
namespace {

template <std::size_t Size, typename Member>
std::optional<std::size_t> indexOf(const std::array<PropertyField, Size>& table, Member member,
                                   std::u16string_view wanted) {
  for (std::size_t i = 0; i < Size; ++i)
    if (table[i].*member == wanted) return i;
  return std::nullopt;
}

}  // namespace

std::optional<std::size_t> moveInfoIndexByLabel(std::u16string_view label) {
  return indexOf(kMoveInfoFields, &PropertyField::label, label);
}

std::optional<std::size_t> moveInfoIndexById(std::u16string_view sgfId) {
  return indexOf(kMoveInfoFields, &PropertyField::sgfId, sgfId);
}

std::optional<std::size_t> gameInfoIndexById(std::u16string_view sgfId) {
  return indexOf(kGameInfoFields, &PropertyField::sgfId, sgfId);
}

}  // namespace mokuza
