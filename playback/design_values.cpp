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
bool musicMode(const Document& doc) { return optionValue(doc.state.options, "kigaku_mode", -1) == 1; }
bool figureReplayMode(const Document& doc) { return optionValue(doc.state.options, "kifunarabe", -1) == 1; }
bool autoNextFigure(const Document& doc) { return optionValue(doc.state.options, "auto_kifu", -1) == 1; }

}  // namespace mokuza::playback
