#include "playlist/list_cells.h"

#include "core/record/decimal.h"
#include "core/record/property_tables.h"
#include "playlist/design_fields.h"

namespace mokuza {
namespace {

std::int64_t numberIn(const PlaylistEntry& entry, std::u16string_view label) {
  if (label == u"No.") return entry.number;
  if (auto it = entry.intFields.find(label); it != entry.intFields.end()) return it->second;
  return parseLeadingNumber(textField(entry, label), INT64_MIN / 2, INT64_MAX / 2);
}

}  // namespace

std::u16string cellText(const PlaylistEntry& entry, std::u16string_view label) {
  const std::optional<FieldKind> kind = kindOfLabel(label);
  if (label == u"No.") return decimalText(entry.number);
  if (kind == FieldKind::FileName) return FilePath(entry, label);
  if (kind == FieldKind::Integer) {
    auto it = entry.intFields.find(label);
    return it == entry.intFields.end() ? std::u16string() : decimalText(it->second);
  }
  return std::u16string(textField(entry, label));
}

bool cellLess(const PlaylistEntry& a, const PlaylistEntry& b, std::u16string_view label) {
  if (label == u"No." || label == kTotalMovesLabel || kindOfLabel(label) == FieldKind::Integer)
    return numberIn(a, label) < numberIn(b, label);
  return cellText(a, label) < cellText(b, label);
}

}  // namespace mokuza
