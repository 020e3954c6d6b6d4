#pragma once
// Helpers shared by the document tests: a document loaded from literal SGF,
// the current line and the whole tree printed as "B dd, W pp", points named
// by their SGF letters, and services that keep the choice requests.

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "core/document/document.h"
#include "core/document/game_files.h"
#include "core/document/navigation.h"
#include "core/record/sgf_point.h"
#include "core/record/text.h"
#include "platform/headless/headless_services.h"

namespace mokuza::test {

// The record point of SGF letters such as "dp" (column d, row p).
inline RecordPoint recordAt(std::string_view sgfPoint, int n = 19) { return decodeSgfPoint(sgfPoint, n); }

inline std::string u8(std::u16string_view text) { return utf16ToUtf8(text); }

inline std::string moveText(const MoveRecord& record, int n) {
  if (!record.hasMove()) return ".";
  std::string text = record.colour > 0 ? "B " : "W ";
  if (!isOnBoard(record.point, n)) return text + "pass";
  return text + sgfLetters<char>(RecordPoint{record.point}, n);
}

// The current line after the root record: "B dd, W pp, ...".
inline std::string lineText(const GameRecord& record) {
  std::string text;
  for (std::size_t m = 1; m < record.lineCopy.size(); ++m) {
    if (!text.empty()) text += ", ";
    text += moveText(record.lineCopy[m], record.boardSize);
  }
  return text;
}

// A node's records, then each child in parentheses: "B dd, W pp (B dp) (B qd)".
inline std::string nodeText(const VariationNode& node, int n) {
  std::string text;
  for (const MoveRecord& record : node.records) text += (text.empty() ? "" : ", ") + moveText(record, n);
  for (const VariationNode& child : node.children) text += (text.empty() ? "(" : " (") + nodeText(child, n) + ")";
  return text;
}

// The tree below the root record, starting with the trunk.
inline std::string treeText(const GameRecord& record) {
  std::string text;
  for (const VariationNode& trunk : record.root.children)
    text += (text.empty() ? "" : " | ") + nodeText(trunk, record.boardSize);
  return text;
}

// What a tidied tree must satisfy; empty when it does.
inline std::string tidyFault(const GameRecord& record) {
  if (record.root.children.size() != 1) return "root has " + std::to_string(record.root.children.size()) + " children";
  if (record.branchPath.empty() || record.branchPath[0] != 0) return "path does not start at the trunk";
  const VariationNode* node = &record.root;
  for (std::size_t depth = 0; depth < record.branchPath.size(); ++depth) {
    const auto index = static_cast<std::size_t>(record.branchPath[depth]);
    if (index >= node->children.size()) return "path entry " + std::to_string(depth) + " names no child";
    if (node->children.size() == 1 && depth > 0) return "single child at depth " + std::to_string(depth);
    node = &node->children[index];
    if (depth > 0 && node->records.empty()) return "empty node at depth " + std::to_string(depth);
  }
  if (!node->children.empty()) return "path stops above a leaf";
  return {};
}

class RecordingServices : public platform::HeadlessServices {
 public:
  std::vector<platform::ChoiceRequest> choices;
  int choose(const platform::ChoiceRequest& request) override {
    choices.push_back(request);
    return HeadlessServices::choose(request);
  }
};

// A document and scripted services, with the game loaded from SGF text.
class DocumentTest : public ::testing::Test {
 protected:
  // The game read from SGF text, shown at `move`.
  void load(std::u16string_view sgf, int move = 0) {
    ReadOptions options;
    doc.record().boardSize = kDefaultBoardSize;  // as the open flow does: SZ only overrides it
    ASSERT_EQ(loadRecordText(doc, sgf, options), kReadOk) << u8(sgf);
    showMove(doc, move);
  }
  void setInsertionMode(int mode) {
    setDesignValue(doc.state.design, DesignField::InterruptOperation, mode);
    showMove(doc, doc.currentMove());  // the colour to play depends on the mode
  }
  std::string line() const { return lineText(doc.record()); }
  std::string tree() const { return treeText(doc.record()); }
  // The shown stones at points such as "dd pp": X black, O white, . empty.
  std::string stones(std::string_view points) const {
    std::string shown;
    for (std::size_t i = 0; i + 1 < points.size(); i += 3) {
      const int value = doc.shownPosition.boardGrid.stones[recordAt(points.substr(i, 2), doc.record().boardSize)];
      shown += value > 0 ? 'X' : value < 0 ? 'O' : '.';
    }
    return shown;
  }
  // The current line, the shown move and a star while modified: "B dd, W pp @2 *".
  std::string view() const {
    return line() + " @" + std::to_string(doc.currentMove()) + (doc.state.modified ? " *" : "");
  }
  std::vector<std::string> messages() const {
    std::vector<std::string> texts;
    for (const auto& call : services.callsOf("messageBox")) texts.push_back(u8(call.title) + ": " + u8(call.text));
    return texts;
  }

  Document doc;
  RecordingServices services;
};

}  // namespace mokuza::test
