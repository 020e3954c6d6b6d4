#include "playback/design_values.h"

#include <algorithm>

#include "playlist/design_fields.h"

namespace mokuza::playback {

std::int32_t designValue(const Document& doc, std::u16string_view label) {
  std::int32_t initial = label == kLastMoveField.label ? kLastMoveField.initial : 0;
  for (const IntField& field : kDesignIntFields)
    if (field.label == label) initial = field.initial;
  return intField(doc.state.design, label, initial);
}

int updateTime(const Document& doc) { return std::max(1, optionValue(doc.globalOptions, "update_time", 10)); }
bool autoNextFigure(const Document& doc) { return switchOn(doc.state.options, "auto_kifu"); }

}  // namespace mokuza::playback
