#include "core/document/design_fields.h"

#include <algorithm>

#include "core/document/options.h"
#include "core/record/text.h"

namespace mokuza {

static_assert(inConstantOrder(kDesignFields, &DesignFieldInfo::field));
static_assert(inConstantOrder(kFileFields, &FileFieldInfo::field));

std::int32_t clampedDesignValue(DesignField field, std::int32_t value) {
  const DesignFieldInfo& info = fieldInfo(field);
  return std::clamp(value, info.low, info.high);
}

std::int32_t designValue(const Design& design, DesignField field) {
  const DesignFieldInfo& info = fieldInfo(field);
  auto it = design.intFields.find(info.label);
  return it == design.intFields.end() ? info.initial : std::clamp(it->second, info.low, info.high);
}

void setDesignValue(Design& design, DesignField field, std::int32_t value) {
  const std::u16string_view label = fieldInfo(field).label;
  if (auto it = design.intFields.find(label); it != design.intFields.end()) it->second = value;
  else design.intFields.emplace(label, value);
}

const DesignFieldInfo* designFieldForLabel(std::u16string_view label) {
  for (const DesignFieldInfo& info : kDesignFields)
    if (info.label == label && info.group != DesignGroup::Unlisted) return &info;
  return nullptr;
}

void SetFilePath(PlaylistEntry& entry, FileField field, std::u16string_view path) {
  SetFilePath(entry, fieldInfo(field).label, path);
}

std::u16string FilePath(const PlaylistEntry& entry, FileField field) { return FilePath(entry, fieldInfo(field).label); }

std::filesystem::path designFilePath(const Design& design, FileField field,
                                     const std::filesystem::path& programFolder) {
  std::u16string path = FilePath(design, field);
  if (path.empty()) path = fieldInfo(field).initial;
  if (path.empty()) return {};
  std::replace(path.begin(), path.end(), u'\\', u'/');
  std::filesystem::path result = textToPath(path);
  return result.is_absolute() ? result : programFolder / result;
}

Design makeInitialDesign() {
  Design design;
  for (const DesignFieldInfo& info : kDesignFields)
    if (info.group != DesignGroup::Optional && info.group != DesignGroup::Unlisted)
      design.intFields.emplace(info.label, info.initial);
  for (const FileFieldInfo& info : kFileFields)
    if (!info.initial.empty()) SetFilePath(design, info.label, info.initial);
  return design;
}

}  // namespace mokuza
