#include "core/document/navigation.h"

#include <algorithm>

namespace mokuza {

void resetDocument(Document& doc) {
  resetRecord(doc.record());
  SetBoardSize(doc.board, doc.record().boardSize);
  doc.shownPosition = doc.board.position;
  doc.previousShownPosition = doc.board.position;
  doc.lastMovePoint = RecordPoint{};
  doc.colourToPlay = 1;
  doc.pathToCurrentNode = {0};
  doc.nodeEndMove = 0;
}

int lastShowableMove(const Document& doc) {
  return std::min(doc.moveCount(), std::max(0, doc.board.history.computed() - 1));
}

int computeViewLimit(const Document& doc) {
  if (replayModeOn(doc.state.options))
    return std::min(doc.moveCount(), designValue(doc.state.design, DesignField::LastMove));
  return doc.moveCount();
}

NodeLocation locateMove(const GameRecord& record, int n) {
  NodeLocation location;
  const VariationNode* node = &record.root;
  int sum = 0;
  for (std::int16_t c : record.branchPath) {
    if (c < 0 || static_cast<std::size_t>(c) >= node->children.size()) break;
    node = &node->children[static_cast<std::size_t>(c)];
    location.path.push_back(c);
    sum += static_cast<int>(node->records.size());
    if (sum >= n) break;
  }
  location.endMove = sum;
  return location;
}

std::vector<const MoveRecord*> continuationsAfter(const GameRecord& record, int n) {
  if (n < 0 || static_cast<std::size_t>(n) >= record.lineNode.size()) return {};
  const VariationNode* node = record.lineNode[static_cast<std::size_t>(n)];
  const auto index = static_cast<std::size_t>(record.lineIndex[static_cast<std::size_t>(n)]);
  if (index + 1 < node->records.size()) return {&node->records[index + 1]};
  std::vector<const MoveRecord*> next;
  // Depth first without recursion, branches in their order.
  std::vector<const VariationNode*> pending;
  for (auto child = node->children.rbegin(); child != node->children.rend(); ++child) pending.push_back(&*child);
  while (!pending.empty()) {
    const VariationNode* branch = pending.back();
    pending.pop_back();
    if (!branch->records.empty()) {
      next.push_back(&branch->records.front());
      continue;
    }
    for (auto child = branch->children.rbegin(); child != branch->children.rend(); ++child) pending.push_back(&*child);
  }
  return next;
}

void showMove(Document& doc, int n) {
  GameRecord& rec = doc.record();
  n = std::clamp(n, 0, lastShowableMove(doc));

  const MoveRecord& shown = rec.lineCopy[static_cast<std::size_t>(n)];
  doc.lastMovePoint = shown.hasMove() ? doc.board.geometry.recordPoint(shown.point) : RecordPoint{};

  restorePosition(doc.board, n);
  doc.previousShownPosition = std::move(doc.shownPosition);
  doc.shownPosition = doc.board.position;
  rec.currentMove = n;
  if (autoPlayRunning(doc) || doc.batchMode) return;

  if (shown.hasMove()) doc.colourToPlay = static_cast<std::int8_t>(-shown.colour);
  else if (n == 0) doc.colourToPlay = doc.board.setupStoneBalance > 0 ? -1 : 1;
  const int mode = designValue(doc.state.design, DesignField::InterruptOperation);
  if (n < doc.moveCount() && mode != kInsertBeforeNext) {
    const MoveRecord& next = rec.lineCopy[static_cast<std::size_t>(n) + 1];
    if (next.hasMove()) doc.colourToPlay = next.colour;
  }

  doc.previousBranchMove = doc.nextBranchMove = -1;
  doc.previousCommentMove = doc.nextCommentMove = -1;
  for (int m = 0; m <= doc.moveCount(); ++m) {
    const MoveRecord& r = rec.lineCopy[static_cast<std::size_t>(m)];
    if (r.branchCount > 0) {
      if (m <= n) doc.previousBranchMove = m;
      else if (doc.nextBranchMove < 0) doc.nextBranchMove = m;
    }
    const std::u16string* comment = r.properties[1];
    if (comment && !comment->empty()) {
      if (m < n) doc.previousCommentMove = m;
      else if (m > n && doc.nextCommentMove < 0) doc.nextCommentMove = m;
    }
  }

  NodeLocation location = locateMove(rec, n);
  doc.pathToCurrentNode = std::move(location.path);
  doc.nodeEndMove = location.endMove;
  doc.viewLimit = computeViewLimit(doc);
  callHook(doc.hooks.repaint);
}

void recomputePositions(Document& doc, int from) {
  GameRecord& rec = doc.record();
  const int shown = rec.currentMove;
  doc.board.currentPosition = std::min(doc.board.currentPosition, std::max(0, doc.board.history.computed() - 1));
  ReplayFrom(doc.board, rec.lineCopy, from, doc.observers);
  doc.viewLimit = computeViewLimit(doc);
  showMove(doc, shown);
}

}  // namespace mokuza
