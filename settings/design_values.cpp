#include "settings/design_values.h"

#include <algorithm>

#include "playlist/design_fields.h"

namespace mokuza {

std::u16string_view designLabelForKey(std::string_view key) {
  for (const IntField& row : kDesignIntFields)
    if (row.key == key) return row.label;
  if (kLastMoveField.key == key) return kLastMoveField.label;
  for (const IntField& row : kDisplayIntFields)
    if (row.key == key) return row.label;
  for (const LabelKey& row : kOptionalIntFields)
    if (row.key == key) return row.label;
  return {};
}

std::u16string_view designFileLabelForKey(std::string_view key) {
  for (const FileField& row : kFileFields)
    if (row.key == key && row.label != kSgfFileLabel) return row.label;
  return {};
}

std::int32_t sanitisedDesignValue(std::u16string_view label, std::int32_t value) {
  if (label.ends_with(u"透明度")) return std::clamp(value, 0, 255);
  return value;
}

}  // namespace mokuza
