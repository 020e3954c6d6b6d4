#include "playlist/design_fields.h"

#include <string>
#include <unordered_map>

#include "core/record/property_tables.h"

namespace mokuza {
namespace {

// Every (label, key) pair, in the order the tables stand.
template <typename F>
bool forEachLabelKey(F&& visit) {
  for (const LabelKey& row : kLeadingColumns)
    if (visit(row.label, row.key)) return true;
  for (const DesignFieldInfo& row : kDesignFields)
    if (row.group != DesignGroup::Unlisted && visit(row.label, row.key)) return true;
  for (const FileFieldInfo& row : kFileFields)
    if (visit(row.label, row.key)) return true;
  for (const PropertyField& row : kGameInfoFields)
    if (visit(row.label, row.key)) return true;
  return false;
}

struct Tables {
  std::unordered_map<std::u16string_view, std::string_view> keyByLabel;
  std::unordered_map<std::string_view, std::u16string_view> labelByKey;
  std::unordered_map<std::u16string_view, FieldKind> kindByLabel;
  std::unordered_map<std::string, KeyedField> fieldByKey;  // with the folder and alternative keys
};

Tables buildTables() {
  Tables tables;
  // The first row of a label or key wins, as a scan of the tables would find it.
  forEachLabelKey([&](std::u16string_view label, std::string_view key) {
    tables.keyByLabel.emplace(label, key);
    tables.labelByKey.emplace(key, label);
    return false;
  });
  for (const LabelKey& row : kLeadingColumns) tables.kindByLabel.emplace(row.label, FieldKind::Text);
  tables.kindByLabel[u"No."] = FieldKind::Column;
  tables.kindByLabel[u"検索結果"] = FieldKind::Column;
  for (const DesignFieldInfo& row : kDesignFields)
    if (row.group != DesignGroup::Unlisted) tables.kindByLabel.emplace(row.label, FieldKind::Integer);
  for (const FileFieldInfo& row : kFileFields) tables.kindByLabel.insert_or_assign(row.label, FieldKind::FileName);
  for (const PropertyField& row : kGameInfoFields) tables.kindByLabel.emplace(row.label, FieldKind::Text);

  for (const auto& [key, label] : tables.labelByKey)
    tables.fieldByKey.emplace(std::string(key), KeyedField{tables.kindByLabel.at(label), label});
  for (const FileFieldInfo& row : kFileFields)
    tables.fieldByKey.emplace(folderKeyOf(row.key), KeyedField{FieldKind::Folder, row.label});
  const std::pair<std::string_view, std::string_view> alternatives[] = {
      {"move", "totalmove"}, {"cdate", "Regist_date"}, {"ldate", "Access_date"}, {"lstmv", "last_move"}};
  for (const auto& [alternative, key] : alternatives)
    tables.fieldByKey.emplace(std::string(alternative), tables.fieldByKey.at(std::string(key)));
  return tables;
}

const Tables& tables() {
  static const Tables built = buildTables();
  return built;
}

}  // namespace

std::string_view keyForLabel(std::u16string_view label) {
  auto it = tables().keyByLabel.find(label);
  return it == tables().keyByLabel.end() ? std::string_view() : it->second;
}

std::u16string_view labelForKey(std::string_view key) {
  auto it = tables().labelByKey.find(key);
  return it == tables().labelByKey.end() ? std::u16string_view() : it->second;
}

std::optional<KeyedField> fieldForKey(std::string_view key) {
  const auto& byKey = tables().fieldByKey;
  if (auto it = byKey.find(std::string(key)); it != byKey.end()) return it->second;
  // Files of older versions say "path" where newer ones say "file".
  if (const std::size_t at = key.find("path"); at != std::string_view::npos) {
    std::string renamed(key);
    renamed.replace(at, 4, "file");
    if (auto it = byKey.find(renamed); it != byKey.end()) return it->second;
  }
  return std::nullopt;
}

std::optional<FieldKind> kindOfLabel(std::u16string_view label) {
  auto it = tables().kindByLabel.find(label);
  if (it == tables().kindByLabel.end()) return std::nullopt;
  return it->second;
}

std::string folderKeyOf(std::string_view fileKey) {
  std::string key(fileKey);
  if (const std::size_t at = key.find("file"); at != std::string::npos) key.replace(at, 4, "folder");
  return key;
}

}  // namespace mokuza
