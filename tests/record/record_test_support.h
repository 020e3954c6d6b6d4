#pragma once
// Shared by the record tests: reading literal SGF, and comparing records as
// text so that a failure shows the first difference.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "core/record/game_record.h"
#include "core/record/sgf_reader.h"
#include "core/record/text.h"

namespace mokuza::testing {

inline void readInto(GameRecord& record, std::u16string_view text, ReadOptions options = {}) {
  ASSERT_EQ(readSgf(record, text, options), kReadOk) << utf16ToUtf8(text);
}

// The writer leaves empty values out, so an empty value counts as absent.
inline std::string valueText(const std::u16string* value) { return value ? utf16ToUtf8(*value) : std::string(); }

// Every field the file keeps, as one line.
inline std::string describe(const MoveRecord& r) {
  std::string out = std::to_string(r.colour) + "@" + std::to_string(r.point);
  for (const MarkEntry& m : r.marks)
    out += " " + std::to_string(m.point) + "=" + std::to_string(m.stone) + "'" + utf16ToUtf8(m.text) + "'";
  for (std::size_t i = 0; i < r.properties.size(); ++i)
    if (!valueText(r.properties[i]).empty())
      out += " " + utf16ToUtf8(kMoveInfoFields[i].sgfId) + "[" + valueText(r.properties[i]) + "]";
  for (const ExtraProperty& extra : r.extraProperties()) {
    out += " " + utf16ToUtf8(extra.id);
    for (const std::u16string* value : extra.values) out += "[" + utf16ToUtf8(*value) + "]";
  }
  return out;
}

// The current line as SGF-like text: "B[cc] W[gg]", a pass (422) as "B[]", any
// other point off the board as its number, and "(choice/count)" on the first
// move of a branch.
inline std::string lineText(const GameRecord& record) {
  std::string out;
  const int n = record.boardSize;
  for (std::size_t i = 1; i < record.lineCopy.size(); ++i) {
    const MoveRecord& m = record.lineCopy[i];
    out += std::string(i > 1 ? " " : "") + (m.colour == 1 ? "B[" : m.colour == -1 ? "W[" : "-[");
    if (isOnBoard(m.point, n)) out += {static_cast<char>('a' + m.point % n), static_cast<char>('a' + m.point / n)};
    else if (m.point != kPassPoint) out += std::to_string(m.point);
    out += "]";
    if (m.branchCount) out += "(" + std::to_string(m.branchChoice) + "/" + std::to_string(m.branchCount) + ")";
  }
  return out;
}

inline std::string headerText(const GameRecord& record) {
  std::string out;
  for (const auto& [label, value] : record.headerValues)
    if (!valueText(value).empty()) out += utf16ToUtf8(label) + "[" + valueText(value) + "]";
  return out;
}

// The first difference between two trees, empty when they are equal; walks
// without recursion so that deep trees can be compared.
inline std::string treeDifference(const VariationNode& a, const VariationNode& b) {
  std::vector<std::pair<const VariationNode*, const VariationNode*>> work{{&a, &b}};
  for (std::size_t node = 0; !work.empty(); ++node) {
    auto [na, nb] = work.back();
    work.pop_back();
    const std::string where = "node #" + std::to_string(node) + ": ";
    if (na->records.size() != nb->records.size() || na->children.size() != nb->children.size())
      return where + "shape " + std::to_string(na->records.size()) + "/" + std::to_string(na->children.size()) +
             " vs " + std::to_string(nb->records.size()) + "/" + std::to_string(nb->children.size());
    for (std::size_t i = 0; i < na->records.size(); ++i)
      if (describe(na->records[i]) != describe(nb->records[i]))
        return where + describe(na->records[i]) + " vs " + describe(nb->records[i]);
    for (std::size_t i = 0; i < na->children.size(); ++i) work.emplace_back(&na->children[i], &nb->children[i]);
  }
  return {};
}

inline std::filesystem::path corpusDir() { return MOKUZA_CORPUS_DIR; }

inline std::u16string loadCorpusText(const std::filesystem::path& path) {
  auto bytes = readFileBytes(path);
  return bytes ? decodeBytes(*bytes, TextKind::GameRecord) : std::u16string();
}

}  // namespace mokuza::testing
