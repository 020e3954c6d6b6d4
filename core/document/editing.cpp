#include "core/document/editing.h"

#include <algorithm>
#include <string>

#include "core/document/navigation.h"
#include "core/document/undo.h"
#include "core/record/text.h"

namespace mokuza {
namespace {

std::u16string number(int value) { return asciiToUtf16(std::to_string(value)); }

bool editingAllowed(const Document& doc) { return !autoPlayRunning(doc) && !replayModeOn(doc.state.options); }

int askInsertionMode(platform::Services& services) {
  platform::ChoiceRequest request;
  request.title = std::u16string(fieldInfo(DesignField::InterruptOperation).label);
  request.options = {u"変化図作成", u"次の手の前に挿入", u"次の手を置き換える"};
  request.preselected = 0;
  const int choice = services.choose(request);
  return choice < 0 || choice > 2 ? -1 : choice + 1;
}

// Index within node.records of the record that follows move `current`.
std::size_t nextRecordIndex(const VariationNode& node, int endMove, int current) {
  const int behind = endMove - current;
  return static_cast<std::size_t>(std::max<int>(0, static_cast<int>(node.records.size()) - behind));
}

std::size_t nextRecordIndex(const Document& doc, const VariationNode& node) {
  return nextRecordIndex(node, doc.nodeEndMove, doc.currentMove());
}

BranchPath pathTo(const BranchPath& prefix, std::int16_t child) {
  BranchPath path = prefix;
  path.push_back(child);
  return path;
}

}  // namespace

void finishMoveEdit(Document& doc, int replayFrom, std::u16string_view description) {
  markModified(doc);
  rebuildCurrentLine(doc.record());
  doc.record().currentMove = std::clamp(doc.record().currentMove, 0, doc.moveCount());
  recomputePositions(doc, replayFrom);
  recordUndo(doc, description);
}

int insertionModeFor(const Document& doc, platform::Services& services, PlayOverrides overrides) {
  int mode = designValue(doc.state.design, DesignField::InterruptOperation);
  if (overrides.shiftClick) mode = kInsertVariation;
  if (overrides.droppedStone) mode = kReplaceNext;
  if (mode < kInsertAsk || mode > kReplaceNext) mode = kInsertAsk;
  return mode == kInsertAsk ? askInsertionMode(services) : mode;
}

bool isMoveOf(const MoveRecord& record, RecordPoint point, int colour) {
  return record.hasMove() && record.point == point.index && record.colour == colour;
}

bool enterChildAt(GameRecord& rec, const NodeLocation& at, int current, RecordPoint point, int colour) {
  if (at.endMove != current) return false;
  VariationNode& node = nodeAt(rec, at.path);
  for (std::size_t c = 0; c < node.children.size(); ++c) {
    const auto& first = node.children[c].records;
    if (!first.empty() && isMoveOf(first[0], point, colour)) {
      rec.branchPath = pathTo(at.path, static_cast<std::int16_t>(c));
      extendToLeaf(rec, rec.branchPath);
      rec.currentMove = current + 1;
      rebuildCurrentLine(rec);
      return true;
    }
  }
  return false;
}

void addMoveAfter(GameRecord& rec, const NodeLocation& at, int current, const MoveRecord& fresh, int mode) {
  VariationNode& node = nodeAt(rec, at.path);
  const std::size_t i = nextRecordIndex(node, at.endMove, current);
  rec.currentMove = current + 1;
  switch (mode) {
    case kInsertVariation: {
      if (i < node.records.size()) {
        // Split: the old continuation becomes the node's only child.
        VariationNode rest;
        rest.records.assign(std::make_move_iterator(node.records.begin() + static_cast<std::ptrdiff_t>(i)),
                            std::make_move_iterator(node.records.end()));
        node.records.erase(node.records.begin() + static_cast<std::ptrdiff_t>(i), node.records.end());
        rest.children = std::move(node.children);
        node.children.clear();
        node.children.push_back(std::move(rest));
      }
      const std::size_t child = appendChild(node);
      node.children[child].records.push_back(fresh);
      rec.branchPath = pathTo(at.path, static_cast<std::int16_t>(child));
      break;
    }
    case kInsertBeforeNext: node.records.insert(node.records.begin() + static_cast<std::ptrdiff_t>(i), fresh); break;
    case kReplaceNext:
      if (i < node.records.size()) {
        node.records[i] = fresh;
      } else {
        // The next move opens the child this line takes: replace that one.
        const std::size_t depth = at.path.size();
        const int child = depth < rec.branchPath.size() ? rec.branchPath[depth] : 0;
        if (child >= 0 && static_cast<std::size_t>(child) < node.children.size() &&
            !node.children[static_cast<std::size_t>(child)].records.empty())
          node.children[static_cast<std::size_t>(child)].records[0] = fresh;
        else node.records.push_back(fresh);
      }
      break;
    default: node.records.push_back(fresh); break;
  }
}

bool playAt(Document& doc, platform::Services& services, RecordPoint point, PlayOverrides overrides) {
  GameRecord& rec = doc.record();
  if ((!isOnBoard(point.index, rec.boardSize) && !point.isPass()) || autoPlayRunning(doc)) return false;
  const int current = doc.currentMove();
  const NodeLocation here{doc.pathToCurrentNode, doc.nodeEndMove};

  MoveRecord fresh;
  fresh.point = static_cast<std::uint16_t>(point.index);
  fresh.colour = doc.colourToPlay;
  fresh.moveNumber = current + 1;

  int mode = kAppendAtEnd;
  if (current < doc.moveCount()) {
    if (isMoveOf(rec.lineCopy[static_cast<std::size_t>(current) + 1], point, doc.colourToPlay)) {
      showMove(doc, current + 1);
      return false;
    }
    if (enterChildAt(rec, here, current, point, doc.colourToPlay)) {
      recomputePositions(doc, current);
      return true;
    }
    mode = insertionModeFor(doc, services, overrides);
    if (mode < 0) return false;
  }

  addMoveAfter(rec, here, current, fresh, mode);
  finishMoveEdit(doc, current + 1, number(current + 1) + u"手目着手");
  return true;
}

void switchVariation(Document& doc, bool toMainLine) {
  GameRecord& rec = doc.record();
  int branchMove = 0;  // the last position both lines share
  if (toMainLine) {
    const VariationNode* node = &rec.root;
    int sum = 0;
    for (std::int16_t c : rec.branchPath) {
      if (c != 0) break;
      if (node->children.empty()) break;
      node = &node->children[0];
      sum += static_cast<int>(node->records.size());
    }
    rec.branchPath.assign(1, 0);
    extendToLeaf(rec, rec.branchPath);
    rebuildCurrentLine(rec);
    rec.currentMove = std::min(sum + 1, doc.moveCount());
    branchMove = sum;
  } else {
    // The path entry of the node holding the shown move; its parent is the branch point.
    const std::size_t depth = doc.pathToCurrentNode.size();
    if (depth < 2 || depth > rec.branchPath.size()) return;
    BranchPath parentPath(rec.branchPath.begin(), rec.branchPath.begin() + static_cast<std::ptrdiff_t>(depth - 1));
    const VariationNode& parent = nodeAt(rec, parentPath);
    if (parent.children.size() < 2) return;
    const VariationNode* node = &rec.root;
    for (std::int16_t c : parentPath) {
      node = &node->children[static_cast<std::size_t>(c)];
      branchMove += static_cast<int>(node->records.size());
    }
    const int next = (rec.branchPath[depth - 1] + 1) % static_cast<int>(parent.children.size());
    rec.branchPath = pathTo(parentPath, static_cast<std::int16_t>(next));
    extendToLeaf(rec, rec.branchPath);
    rebuildCurrentLine(rec);
  }
  rec.currentMove = std::clamp(rec.currentMove, 0, doc.moveCount());
  // Deep inside a variation the positions after the branch point belonged
  // to the other line, so the replay starts at the branch point.
  recomputePositions(doc, std::max(0, std::min(rec.currentMove - 1, branchMove)));
}

void tidyTree(GameRecord& rec) {
  BranchPath& path = rec.branchPath;
  if (rec.root.children.empty()) {
    rec.root.children.emplace_back();
    path.assign(1, 0);
  }
  VariationNode* parent = &rec.root.children[0];  // the trunk stays, even when empty
  std::size_t depth = 1;
  while (depth < path.size()) {
    const std::int16_t index = path[depth];
    if (index < 0 || static_cast<std::size_t>(index) >= parent->children.size()) {
      path.resize(depth);
      break;
    }
    VariationNode& node = parent->children[static_cast<std::size_t>(index)];
    if (node.records.empty()) {
      // An empty node hands its children to its parent, in its place.
      std::vector<VariationNode> orphans = std::move(node.children);
      parent->children.erase(parent->children.begin() + index);
      const bool followsOrphan = depth + 1 < path.size() && !orphans.empty();
      const std::int16_t orphanIndex = followsOrphan ? path[depth + 1] : 0;
      parent->children.insert(parent->children.begin() + index, std::make_move_iterator(orphans.begin()),
                              std::make_move_iterator(orphans.end()));
      if (followsOrphan) {
        path[depth] = static_cast<std::int16_t>(index + orphanIndex);
        path.erase(path.begin() + static_cast<std::ptrdiff_t>(depth) + 1);
      } else {
        path.resize(depth);
      }
      continue;
    }
    if (parent->children.size() == 1) {
      // A single continuation is no branch: it joins its parent.
      VariationNode only = std::move(parent->children[0]);
      parent->children.clear();
      parent->records.insert(parent->records.end(), std::make_move_iterator(only.records.begin()),
                             std::make_move_iterator(only.records.end()));
      parent->children = std::move(only.children);
      path.erase(path.begin() + static_cast<std::ptrdiff_t>(depth));
      continue;
    }
    parent = &node;
    ++depth;
  }
  while (parent->children.size() == 1) {
    VariationNode only = std::move(parent->children[0]);
    parent->children.clear();
    parent->records.insert(parent->records.end(), std::make_move_iterator(only.records.begin()),
                           std::make_move_iterator(only.records.end()));
    parent->children = std::move(only.children);
  }
  extendToLeaf(rec, path);
}

bool deleteMove(Document& doc) {
  const int current = doc.currentMove();
  if (!editingAllowed(doc) || current <= 0) return false;
  GameRecord& rec = doc.record();
  VariationNode& node = nodeAt(rec, doc.pathToCurrentNode);
  const std::size_t next = nextRecordIndex(doc, node);
  if (next == 0) return false;
  node.records.erase(node.records.begin() + static_cast<std::ptrdiff_t>(next - 1));
  tidyTree(rec);
  finishMoveEdit(doc, 0, number(current) + u"手目削除");
  return true;
}

bool deleteFromHere(Document& doc, platform::Services& services) {
  const int current = doc.currentMove();
  if (!editingAllowed(doc) || current <= 0) return false;
  platform::MessageBoxRequest question{u"この局面から最終手まで削除しますか？", u"Mokuza", platform::Buttons::YesNo,
                                       platform::Icon::Question, true};
  if (services.messageBox(question) != platform::Answer::Yes) return false;
  GameRecord& rec = doc.record();
  VariationNode& node = nodeAt(rec, doc.pathToCurrentNode);
  const std::size_t next = nextRecordIndex(doc, node);
  if (next == 0) return false;
  node.records.erase(node.records.begin() + static_cast<std::ptrdiff_t>(next - 1), node.records.end());
  node.children.clear();
  rec.branchPath = doc.pathToCurrentNode.empty() ? BranchPath{0} : doc.pathToCurrentNode;
  tidyTree(rec);
  rec.currentMove = current - 1;
  finishMoveEdit(doc, 0, number(current) + u"手目以下削除");
  return true;
}

bool deleteRange(Document& doc) {
  if (!editingAllowed(doc) || !doc.state.selection.active) return false;
  GameRecord& rec = doc.record();
  const RangeSelection& range = doc.state.selection;
  const int n = rec.boardSize;
  int removed = 0;
  // From the shown move down, so that earlier indices in a node stay valid.
  for (int m = doc.currentMove(); m >= 1; --m) {
    const MoveRecord& r = *rec.lineRecords[static_cast<std::size_t>(m)];
    if (!range.containsMove(m) || !r.hasMove() || !range.containsPoint(r.point, n)) continue;
    VariationNode& node = *rec.lineNode[static_cast<std::size_t>(m)];
    node.records.erase(node.records.begin() + rec.lineIndex[static_cast<std::size_t>(m)]);
    ++removed;
  }
  tidyTree(rec);
  rebuildCurrentLine(rec);
  for (MoveRecord* r : rec.lineRecords)
    for (MarkEntry& entry : r->marks)
      if (range.containsPoint(entry.point, n)) entry.stone = 0;
  rec.currentMove = std::max(0, doc.currentMove() - removed);
  finishMoveEdit(doc, 0, u"範囲削除");
  return true;
}

}  // namespace mokuza
