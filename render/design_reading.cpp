#include "render/design_reading.h"

#include <algorithm>

#include "core/record/text.h"
#include "playlist/design_fields.h"

namespace mokuza::render {

std::int32_t designValue(const Design& design, std::u16string_view label) {
  std::int32_t initial = 0;
  auto findIn = [&](const auto& table) {
    for (const IntField& field : table)
      if (field.label == label) initial = field.initial;
  };
  findIn(kDesignIntFields);
  findIn(kDisplayIntFields);
  if (label == kLastMoveField.label) initial = kLastMoveField.initial;
  return intField(design, label, initial);
}

std::filesystem::path designFilePath(const Design& design, std::u16string_view label,
                                     const std::filesystem::path& programFolder) {
  std::u16string path = FilePath(design, label);
  if (path.empty()) {
    for (const FileField& field : kFileFields)
      if (field.label == label) path = std::u16string(field.initial);
  }
  if (path.empty()) return {};
  std::replace(path.begin(), path.end(), u'\\', u'/');
  std::filesystem::path result = textToPath(path);
  return result.is_absolute() ? result : programFolder / result;
}

}  // namespace mokuza::render
