#include "playlist/design_fields.h"

#include "core/record/property_tables.h"

namespace mokuza {
namespace {

// Every (label, key) pair, in the order the tables stand.
template <typename F>
bool forEachLabelKey(F&& visit) {
  for (const LabelKey& row : kLeadingColumns)
    if (visit(row.label, row.key)) return true;
  for (const IntField& row : kDesignIntFields)
    if (visit(row.label, row.key)) return true;
  if (visit(kLastMoveField.label, kLastMoveField.key)) return true;
  for (const IntField& row : kDisplayIntFields)
    if (visit(row.label, row.key)) return true;
  for (const LabelKey& row : kOptionalIntFields)
    if (visit(row.label, row.key)) return true;
  for (const FileField& row : kFileFields)
    if (visit(row.label, row.key)) return true;
  for (const PropertyField& row : kGameInfoFields)
    if (visit(row.label, row.key)) return true;
  return false;
}

}  // namespace

std::string_view keyForLabel(std::u16string_view label) {
  std::string_view found;
  forEachLabelKey([&](std::u16string_view l, std::string_view k) {
    if (l != label) return false;
    found = k;
    return true;
  });
  return found;
}

std::u16string_view labelForKey(std::string_view key) {
  std::u16string_view found;
  forEachLabelKey([&](std::u16string_view l, std::string_view k) {
    if (k != key) return false;
    found = l;
    return true;
  });
  return found;
}

Design initialDesign() {
  Design design;
  for (const IntField& row : kDesignIntFields) design.intFields.emplace(row.label, row.initial);
  design.intFields.emplace(kLastMoveField.label, kLastMoveField.initial);
  for (const IntField& row : kDisplayIntFields) design.intFields.emplace(row.label, row.initial);
  for (const FileField& row : kFileFields)
    if (!row.initial.empty()) SetFilePath(design, row.label, row.initial);
  return design;
}

}  // namespace mokuza
