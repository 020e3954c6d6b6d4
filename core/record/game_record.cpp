#include "core/record/game_record.h"
#include "core/record/text.h"

#include <algorithm>
#include <utility>

namespace mokuza {

StringPool::StringPool() {
  // Room for the game information of a game without growing on the way.
  values_.reserve(16);
  empty_ = &*values_.emplace().first;
}

const std::u16string* StringPool::intern(std::u16string_view value) {
  auto found = values_.find(value);
  if (found != values_.end()) return &*found;
  return &*values_.emplace(value).first;
}

std::u16string clipMarkText(std::u16string_view text) { return clipUtf16(text, kMarkTextMax); }

namespace {
auto lowerBound(auto& entries, std::int16_t point) {
  return std::lower_bound(entries.begin(), entries.end(), point,
                          [](const MarkEntry& entry, std::int16_t p) { return entry.point < p; });
}
}  // namespace

MarkEntry& MarkList::at(std::int16_t point) {
  std::vector<MarkEntry>& entries = entries_.getOrMake();
  auto it = lowerBound(entries, point);
  if (it != entries.end() && it->point == point) return *it;
  MarkEntry entry;
  entry.point = point;
  return *entries.insert(it, entry);
}

const MarkEntry* MarkList::find(std::int16_t point) const {
  const std::vector<MarkEntry>* entries = entries_.get();
  if (!entries) return nullptr;
  auto it = lowerBound(*entries, point);
  return it != entries->end() && it->point == point ? &*it : nullptr;
}

void MarkList::erase(std::int16_t point) {
  std::vector<MarkEntry>* entries = entries_.get();
  if (!entries) return;
  auto it = lowerBound(*entries, point);
  if (it != entries->end() && it->point == point) entries->erase(it);
  if (entries->empty()) entries_.reset();
}

void MarkList::removeEmpty() {
  std::vector<MarkEntry>* entries = entries_.get();
  if (!entries) return;
  std::erase_if(*entries, [](const MarkEntry& entry) { return entry.isEmpty(); });
  if (entries->empty()) entries_.reset();
}

// A plain move is its scalars and three empty pointers; the line holds a copy
// of each record besides the tree's, so this size counts twice per move.
static_assert(sizeof(MoveRecord) <= 40);

const std::u16string* MoveRecord::property(std::u16string_view label) const {
  auto index = moveInfoIndexByLabel(label);
  return index ? properties[*index] : nullptr;
}

void MoveRecord::setProperty(std::u16string_view label, const std::u16string* value) {
  if (auto index = moveInfoIndexByLabel(label)) properties[*index] = value;
}

const std::vector<ExtraProperty>& MoveRecord::extraProperties() const {
  static const std::vector<ExtraProperty> kNone;
  return properties.block_.get() ? properties.block_.get()->extras : kNone;
}

std::vector<ExtraProperty>& MoveRecord::extraPropertiesToEdit() { return properties.block_.getOrMake().extras; }

std::vector<std::int16_t> MoveRecord::figureStones() const {
  if (const std::size_t few = fewFigureStones.size(); few > 0) {
    std::vector<std::int16_t> points(few);
    for (std::size_t i = 0; i < few; ++i) points[i] = fewFigureStones[i];
    return points;
  }
  return properties.block_.get() ? properties.block_.get()->figureStones : std::vector<std::int16_t>();
}

void MoveRecord::setFigureStones(std::span<const std::int16_t> points) {
  const bool few = PackedPoints::fits(points);
  fewFigureStones.assign(points);
  const std::span<const std::int16_t> outOfLine = few ? std::span<const std::int16_t>() : points;
  if (!outOfLine.empty() || properties.block_.get())
    properties.block_.getOrMake().figureStones.assign(outOfLine.begin(), outOfLine.end());
}

// ---- VariationNode: copying and destroying without recursion ----

VariationNode::VariationNode(const VariationNode& other) { *this = other; }

VariationNode& VariationNode::operator=(const VariationNode& other) {
  if (this == &other) return *this;
  VariationNode copy;  // built fully before this changes, so self-descendants are safe
  std::vector<std::pair<VariationNode*, const VariationNode*>> work{{&copy, &other}};
  while (!work.empty()) {
    auto [target, source] = work.back();
    work.pop_back();
    target->records = source->records;
    target->children.resize(source->children.size());
    for (std::size_t i = 0; i < source->children.size(); ++i)
      work.emplace_back(&target->children[i], &source->children[i]);
  }
  return *this = std::move(copy);
}

VariationNode& VariationNode::operator=(VariationNode&& other) noexcept {
  if (this == &other) return *this;
  VariationNode old;
  old.children = std::move(children);  // destroyed iteratively by old's destructor
  records = std::move(other.records);
  children = std::move(other.children);
  return *this;
}

VariationNode::~VariationNode() {
  // Detach grandchildren into one flat list before any child is destroyed, so
  // that no destructor below this one has children of its own to recurse into.
  std::vector<VariationNode> pending = std::move(children);
  while (!pending.empty()) {
    VariationNode node = std::move(pending.back());
    pending.pop_back();
    for (VariationNode& child : node.children) pending.push_back(std::move(child));
    node.children.clear();
  }
}

// ---- GameRecord ----

GameRecord::GameRecord() { clearTree(*this); }

GameRecord::GameRecord(const GameRecord& other) { *this = other; }

GameRecord& GameRecord::operator=(const GameRecord& other) {
  if (this == &other) return *this;
  boardSize = other.boardSize;
  colourToPlay = other.colourToPlay;
  root = other.root;
  branchPath = other.branchPath;
  divergenceMove = other.divergenceMove;
  moveCount = other.moveCount;
  currentMove = other.currentMove;
  moveOrder = other.moveOrder;
  headerValues = other.headerValues;
  blackMoveCount = other.blackMoveCount;
  whiteMoveCount = other.whiteMoveCount;
  pool = other.pool;
  // The line's pointers must point into this tree, not the other's.
  rebuildCurrentLine(*this);
  return *this;
}

std::u16string_view GameRecord::header(std::u16string_view label) const {
  auto it = headerValues.find(label);
  return it == headerValues.end() || !it->second ? std::u16string_view() : std::u16string_view(*it->second);
}

void GameRecord::setHeader(std::u16string_view label, std::u16string_view value) {
  auto it = headerValues.find(label);
  if (it == headerValues.end()) it = headerValues.emplace(std::u16string(label), nullptr).first;
  it->second = intern(value);
}

std::size_t appendRecord(VariationNode& node) {
  node.records.emplace_back();
  return node.records.size() - 1;
}

std::size_t appendChild(VariationNode& node) {
  node.children.emplace_back();
  return node.children.size() - 1;
}

void clearTree(GameRecord& record) {
  record.root.children.clear();
  record.root.children.emplace_back();
  record.root.records.assign(1, MoveRecord());
  record.branchPath.assign(1, 0);
  rebuildCurrentLine(record);
}

void resetRecord(GameRecord& record) {
  record.colourToPlay = 1;
  record.currentMove = 0;
  record.moveCount = 0;
  // A fresh pool per game keeps a long show from growing without end; the
  // header values that survive a reset move into it.
  auto pool = std::make_shared<StringPool>();
  for (auto& [label, value] : record.headerValues) value = pool->intern(value ? *value : std::u16string());
  record.pool = std::move(pool);
  clearTree(record);
}

VariationNode& nodeAt(GameRecord& record, const BranchPath& path) {
  VariationNode* node = &record.root;
  for (std::int16_t index : path) {
    if (index < 0 || static_cast<std::size_t>(index) >= node->children.size()) break;
    node = &node->children[static_cast<std::size_t>(index)];
  }
  return *node;
}

void extendToLeaf(GameRecord& record, BranchPath& path) {
  VariationNode* node = &nodeAt(record, path);
  while (!node->children.empty()) {
    path.push_back(0);
    node = &node->children[0];
  }
}

void shrinkTree(VariationNode& root) {
  std::vector<VariationNode*> work{&root};
  while (!work.empty()) {
    VariationNode* node = work.back();
    work.pop_back();
    node->records.shrink_to_fit();
    node->children.shrink_to_fit();
    for (VariationNode& child : node->children) work.push_back(&child);
  }
}

namespace {

// The number of records on the line the path selects, the root record included.
std::size_t lineLength(const GameRecord& record) {
  std::size_t length = 1;
  const VariationNode* node = &record.root;
  for (std::int16_t c : record.branchPath) {
    if (c < 0 || static_cast<std::size_t>(c) >= node->children.size()) break;
    node = &node->children[static_cast<std::size_t>(c)];
    length += node->records.size();
  }
  return length;
}

}  // namespace

void rebuildCurrentLine(GameRecord& record) {
  // Sized before filling: a long game's line would otherwise hold up to
  // twice the room it needs in each of its arrays. The three index arrays are
  // then written by position, one pass over each run of records.
  const std::size_t length = lineLength(record);
  record.lineRecords.resize(length);
  record.lineNode.resize(length);
  record.lineIndex.resize(length);
  // The copies are assigned over the previous line's, one pass instead of
  // destroying them all and building anew.
  if (record.lineCopy.size() > length) record.lineCopy.resize(length);
  record.lineCopy.reserve(length);
  std::size_t copied = 0;
  const auto copyRecords = [&record, &copied](const MoveRecord* first, const MoveRecord* last) {
    std::vector<MoveRecord>& line = record.lineCopy;
    const auto count = static_cast<std::size_t>(last - first);
    const auto reused = static_cast<std::ptrdiff_t>(std::min(count, line.size() - copied));
    std::copy(first, first + reused, line.begin() + static_cast<std::ptrdiff_t>(copied));
    line.insert(line.end(), first + reused, last);
    copied += count;
  };

  // Each record of the line is settled (no empty marks, numbered along the
  // line) before its copy is taken.
  std::size_t at = 0;
  const auto settle = [&record, &at](MoveRecord& rec, VariationNode& node, std::size_t index) {
    if (!rec.marks.empty()) rec.marks.removeEmpty();
    rec.moveNumber = static_cast<std::int32_t>(at);
    record.lineRecords[at] = &rec;
    record.lineNode[at] = &node;
    record.lineIndex[at] = static_cast<std::int32_t>(index);
    ++at;
  };
  settle(record.root.records[0], record.root, 0);
  copyRecords(record.root.records.data(), record.root.records.data() + 1);

  record.divergenceMove = 0;
  std::uint32_t before = 0;
  VariationNode* node = &record.root;
  for (std::size_t step = 0; step < record.branchPath.size(); ++step) {
    std::int16_t c = record.branchPath[step];
    if (c < 0 || static_cast<std::size_t>(c) >= node->children.size()) {
      record.branchPath.resize(step);
      break;
    }
    VariationNode& child = node->children[static_cast<std::size_t>(c)];
    for (std::size_t i = 0; i < child.records.size(); ++i) {
      // A record that opened a branch before an edit merged it away is no branch point now.
      child.records[i].branchCount = 0;
      child.records[i].branchChoice = 0;
      settle(child.records[i], child, i);
    }
    if (record.divergenceMove == 0 && c != 0) record.divergenceMove = before;
    // Branches at the very start of the game (a trunk without records) are
    // branch points too; only the root's single trunk is not.
    if (node != &record.root && !child.records.empty()) {
      child.records[0].branchCount = static_cast<std::uint16_t>(node->children.size());
      child.records[0].branchChoice = static_cast<std::uint16_t>(c + 1);
    }
    copyRecords(child.records.data(), child.records.data() + child.records.size());
    before += static_cast<std::uint32_t>(child.records.size());
    node = &child;
  }
  if (record.branchPath.empty()) record.branchPath.push_back(0);

  record.moveCount = static_cast<std::uint32_t>(record.lineRecords.size() - 1);
  if (record.moveOrder.size() != record.moveCount + 1) {
    record.moveOrder.resize(record.moveCount + 1);
    for (std::uint32_t i = 0; i <= record.moveCount; ++i) record.moveOrder[i] = static_cast<std::int32_t>(i);
  }
}

}  // namespace mokuza
