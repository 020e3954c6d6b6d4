#include "settings/design_values.h"

#include <algorithm>

#include "playlist/design_fields.h"

namespace mokuza {

DesignKey designKey(std::string_view key) {
  const std::u16string_view label = labelForKey(key);
  if (label.empty()) return {};
  const std::optional<FieldKind> kind = kindOfLabel(label);
  if (kind == FieldKind::Integer) return {label, false};
  if (kind == FieldKind::FileName && label != kSgfFileLabel) return {label, true};
  return {};
}

std::u16string_view designLabelForKey(std::string_view key) {
  const DesignKey design = designKey(key);
  return design.file ? std::u16string_view() : design.label;
}

std::u16string_view designFileLabelForKey(std::string_view key) {
  const DesignKey design = designKey(key);
  return design.file ? design.label : std::u16string_view();
}

std::int32_t sanitisedDesignValue(std::u16string_view label, std::int32_t value) {
  if (label.ends_with(u"透明度")) return std::clamp(value, 0, 255);
  return value;
}

}  // namespace mokuza
