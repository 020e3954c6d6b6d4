#include "core/document/record_transforms.h"

#include <unordered_map>
#include <vector>

#include "core/document/editing.h"
#include "core/record/board_transform.h"

namespace mokuza {
namespace {

// Which records and points of them the transform reaches.
class Reach {
 public:
  Reach(const GameRecord& rec, const TransformScope& scope) : scope_(scope), n_(rec.boardSize) {
    for (std::size_t m = 0; m < rec.lineRecords.size(); ++m) lineMove_[rec.lineRecords[m]] = static_cast<int>(m);
  }
  bool record(const MoveRecord& record) const {
    const auto found = lineMove_.find(&record);
    const int m = found == lineMove_.end() ? -1 : found->second;
    if (scope_.moves && !scope_.moves->empty() && !scope_.moves->contains(m)) return false;
    if (scope_.region && scope_.region->movesLimited) return m >= 0 && scope_.region->containsMove(m);
    return true;
  }
  // A pass is inside no region.
  bool point(int p) const { return !scope_.region || scope_.region->containsPoint(p, n_); }

 private:
  const TransformScope& scope_;
  int n_;
  std::unordered_map<const MoveRecord*, int> lineMove_;
};

// One record's move and entries; true when something changed.
bool transform(MoveRecord& record, RecordTransform t, const Reach& reach, int n) {
  bool changed = false;
  if (record.hasMove() && reach.point(record.point)) {
    if (t == RecordTransform::SwapColours) {
      record.colour = static_cast<std::int8_t>(-record.colour);
      changed = true;
    } else if (isOnBoard(record.point, n)) {
      record.point = static_cast<std::uint16_t>(transformedPoint(t, record.point, n));
      changed = true;
    }
  }
  std::vector<MarkEntry> moving;
  for (MarkEntry& entry : record.marks) {
    if (!reach.point(entry.point)) continue;
    if (t == RecordTransform::SwapColours) entry.stone = static_cast<std::int8_t>(-entry.stone);
    else moving.push_back(entry);
    changed = true;
  }
  // Out first, then in: the entries of a bijection land on each other's points.
  for (const MarkEntry& entry : moving) record.marks.erase(entry.point);
  for (MarkEntry entry : moving) {
    entry.point = static_cast<std::int16_t>(transformedPoint(t, entry.point, n));
    record.marks.at(entry.point) = entry;
  }
  return changed;
}

}  // namespace

int transformedPoint(RecordTransform transform, int point, int n) {
  if (!isOnBoard(point, n)) return point;
  const int x = point % n, y = point / n;
  switch (transform) {
    case RecordTransform::MirrorLeftRight: return mirrorPoint(point, n);
    case RecordTransform::MirrorTopBottom: return x + (n - 1 - y) * n;
    case RecordTransform::Rotate90: return rotatePoint(point, n);
    case RecordTransform::SwapColours: return point;
    case RecordTransform::ShiftDown: return x + (y + 1) % n * n;
    case RecordTransform::ShiftLeft: return (x + n - 1) % n + y * n;
    case RecordTransform::ShiftRight: return (x + 1) % n + y * n;
    case RecordTransform::ShiftUp: return x + (y + n - 1) % n * n;
  }
  return point;
}

bool transformRecord(Document& doc, RecordTransform t, const TransformScope& scope, std::u16string_view description) {
  if (autoPlayRunning(doc)) return false;
  GameRecord& rec = doc.record();
  const Reach reach(rec, scope);
  bool changed = false;
  // Every node of the tree, without recursion: variations may nest deeply.
  std::vector<VariationNode*> pending{&rec.root};
  while (!pending.empty()) {
    VariationNode* node = pending.back();
    pending.pop_back();
    for (MoveRecord& record : node->records)
      if (reach.record(record)) changed = transform(record, t, reach, rec.boardSize) || changed;
    for (VariationNode& child : node->children) pending.push_back(&child);
  }
  if (!changed) return false;
  finishMoveEdit(doc, 0, description);
  return true;
}

}  // namespace mokuza
