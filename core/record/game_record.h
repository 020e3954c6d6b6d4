#pragma once
// The loaded game: the tree of nodes, the selected line through it, and the
// game information.

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <unordered_set>
#include <utility>
#include <vector>

#include "core/record/bits.h"
#include "core/record/property_tables.h"
#include "core/record/record_point.h"

namespace mokuza {

constexpr int kDefaultBoardSize = 19;
constexpr int kMinBoardSize = 2;
constexpr int kMaxBoardSize = 19;
constexpr int kMarkTextMax = 3;

constexpr bool isValidBoardSize(int n) { return n >= kMinBoardSize && n <= kMaxBoardSize; }
constexpr bool isOnBoard(int point, int n) { return point >= 0 && point < n * n; }

// Every property value of a game, held once. Values are never removed, so a
// pointer stays valid as long as the pool lives; copies of a record share it.
class StringPool {
 public:
  StringPool();
  const std::u16string* intern(std::u16string_view value);
  const std::u16string* empty() const { return empty_; }
  std::size_t size() const { return values_.size(); }

 private:
  struct Hash {
    using is_transparent = void;
    std::size_t operator()(std::u16string_view s) const { return std::hash<std::u16string_view>()(s); }
  };
  std::unordered_set<std::u16string, Hash, std::equal_to<>> values_;
  const std::u16string* empty_;
};

// One point's setup stone and/or label text.
struct MarkEntry {
  std::int16_t point = 0;
  std::int8_t stone = 0;  // +1 black, -1 white, 0 none
  std::u16string text;    // at most kMarkTextMax UTF-16 units

  bool isEmpty() const { return stone == 0 && text.empty(); }
  bool operator==(const MarkEntry&) const = default;
};

// Cuts a label to what a mark holds, never splitting a surrogate pair.
std::u16string clipMarkText(std::u16string_view text);

// An optional part of a record, held out of line and allocated only once it
// is set: a game is mostly plain moves, and a plain move must cost little more
// than its point and colour. Copies are deep.
template <typename T>
class OutOfLine {
 public:
  OutOfLine() = default;
  OutOfLine(const OutOfLine& other) : value_(other.value_ ? copyOf(*other.value_) : nullptr) {}
  OutOfLine(OutOfLine&&) noexcept = default;
  OutOfLine& operator=(const OutOfLine& other) {
    if (this != &other) value_ = other.value_ ? copyOf(*other.value_) : nullptr;
    return *this;
  }
  OutOfLine& operator=(OutOfLine&&) noexcept = default;
  ~OutOfLine() = default;

  const T* get() const { return value_.get(); }
  T* get() { return value_.get(); }
  T& getOrMake() {
    if (!value_) value_ = std::make_unique<T>();
    return *value_;
  }
  void reset() { value_.reset(); }

 private:
  // In out_of_line.cpp, where no caller sees it: copying a record whose part
  // is absent (most of them) then takes a few inline instructions.
  static std::unique_ptr<T> copyOf(const T& value);

  std::unique_ptr<T> value_;
};

// The marks of one node, kept sorted by point so that every walk over them
// (writing, replaying setup stones) is in one fixed order.
class MarkList {
 public:
  MarkEntry& at(std::int16_t point);  // created when absent
  const MarkEntry* find(std::int16_t point) const;
  void erase(std::int16_t point);
  void removeEmpty();
  bool empty() const { return size() == 0; }
  std::size_t size() const { return entries_.get() ? entries_.get()->size() : 0; }
  const MarkEntry* begin() const { return entries_.get() ? entries_.get()->data() : nullptr; }
  const MarkEntry* end() const { return begin() + size(); }
  MarkEntry* begin() { return entries_.get() ? entries_.get()->data() : nullptr; }
  MarkEntry* end() { return begin() + size(); }
  bool operator==(const MarkList& other) const { return std::equal(begin(), end(), other.begin(), other.end()); }

 private:
  OutOfLine<std::vector<MarkEntry>> entries_;  // never empty when allocated
};

// Music-note parameters of one move; a negative timing value plays no note.
using NoteBlock = std::array<std::int32_t, 9>;
inline constexpr NoteBlock kDefaultNoteBlock{50, 0, 0, 0, -1, -1, -1, -1, -1};

// The two note blocks of a move: the one asked for and the one played.
using NoteBlockPair = std::array<NoteBlock, 2>;
inline constexpr NoteBlockPair kDefaultNoteBlocks{kDefaultNoteBlock, kDefaultNoteBlock};

// A move's note blocks, at their defaults until one is written.
class NoteBlocks {
 public:
  static constexpr std::size_t size() { return kDefaultNoteBlocks.size(); }
  const NoteBlock& operator[](std::size_t which) const {
    return blocks_.get() ? (*blocks_.get())[which] : kDefaultNoteBlocks[which];
  }
  NoteBlock& operator[](std::size_t which) {
    if (!blocks_.get()) blocks_.getOrMake() = kDefaultNoteBlocks;
    return (*blocks_.get())[which];
  }
  bool operator==(const NoteBlocks& other) const { return (*this)[0] == other[0] && (*this)[1] == other[1]; }

 private:
  OutOfLine<NoteBlockPair> blocks_;
};

// A property this program does not model, kept as read so that saving does
// not drop what another program wrote.
struct ExtraProperty {
  std::u16string id;
  std::vector<const std::u16string*> values;
};

// Per-move properties by their row in kMoveInfoFields (null when absent),
// together with the rarer parts of a move that have no member of their own
// in MoveRecord: its unmodelled properties and the stones of its figure.
class MoveProperties {
 public:
  // One row, read as a pointer and written by assignment.
  class Row {
   public:
    Row(MoveProperties& owner, std::size_t row) : owner_(owner), row_(row) {}
    operator const std::u16string*() const { return std::as_const(owner_)[row_]; }
    const std::u16string& operator*() const { return *std::as_const(owner_)[row_]; }
    Row& operator=(const std::u16string* value) {
      if (value || owner_.block_.get()) owner_.block_.getOrMake().rows[row_] = value;
      return *this;
    }

   private:
    MoveProperties& owner_;
    std::size_t row_;
  };

  static constexpr std::size_t size() { return kMoveInfoFields.size(); }
  const std::u16string* operator[](std::size_t row) const { return block_.get() ? block_.get()->rows[row] : nullptr; }
  Row operator[](std::size_t row) { return Row(*this, row); }

 private:
  friend struct MoveRecord;
  struct Block {
    std::array<const std::u16string*, kMoveInfoFields.size()> rows{};
    std::vector<ExtraProperty> extras;
    std::vector<std::int16_t> figureStones;
  };
  OutOfLine<Block> block_;
};

// One SGF node. What a plain move does not have is held out of line.
struct MoveRecord {
  std::int32_t moveNumber = 0;  // index along the current line
  std::uint16_t branchCount = 0;
  std::uint16_t branchChoice = 0;
  std::uint16_t point = 0;       // kPassPoint for a pass
  std::int8_t colour = 0;        // +1 black move, -1 white move, 0 no move
  PackedPoints fewFigureStones;  // the figure's stones when they fit; else they are out of line
  MarkList marks;
  MoveProperties properties;
  NoteBlocks notes;

  const std::u16string* property(std::u16string_view label) const;
  void setProperty(std::u16string_view label, const std::u16string* value);
  bool hasMove() const { return colour == 1 || colour == -1; }

  const std::vector<ExtraProperty>& extraProperties() const;
  std::vector<ExtraProperty>& extraPropertiesToEdit();
  // Padded points of the move's figure, set by the move classifier.
  std::vector<std::int16_t> figureStones() const;
  void setFigureStones(std::span<const std::int16_t> points);
};

// A run of records without a branch, and its continuations: child 0 goes on
// along the main line, children 1.. are the alternatives after the last record.
// Copying and destroying walk the tree without recursion, so files nested
// thousands of levels deep cannot exhaust the stack.
struct VariationNode {
  std::vector<MoveRecord> records;
  std::vector<VariationNode> children;

  VariationNode() = default;
  VariationNode(const VariationNode& other);
  VariationNode(VariationNode&& other) noexcept = default;
  VariationNode& operator=(const VariationNode& other);
  VariationNode& operator=(VariationNode&& other) noexcept;
  ~VariationNode();
};

using BranchPath = std::vector<std::int16_t>;
using HeaderValues = std::map<std::u16string, const std::u16string*, std::less<>>;

struct GameRecord {
  int boardSize = kDefaultBoardSize;  // N
  std::int8_t colourToPlay = 1;

  VariationNode root;  // one root record, one child: the trunk
  BranchPath branchPath{0};

  // The current line, derived from the tree and branchPath by rebuildCurrentLine.
  std::vector<MoveRecord*> lineRecords;
  std::vector<MoveRecord> lineCopy;
  std::vector<VariationNode*> lineNode;
  std::vector<std::int32_t> lineIndex;
  std::uint32_t divergenceMove = 0;
  std::uint32_t moveCount = 0;
  std::int32_t currentMove = 0;
  std::vector<std::int32_t> moveOrder{0};

  HeaderValues headerValues;
  std::uint32_t blackMoveCount = 0;
  std::uint32_t whiteMoveCount = 0;
  std::shared_ptr<StringPool> pool = std::make_shared<StringPool>();

  GameRecord();
  GameRecord(const GameRecord& other);
  GameRecord& operator=(const GameRecord& other);
  GameRecord(GameRecord&&) = delete;
  GameRecord& operator=(GameRecord&&) = delete;

  const std::u16string* intern(std::u16string_view value) { return pool->intern(value); }
  // The value stored under a game-information label, empty when absent.
  std::u16string_view header(std::u16string_view label) const;
  void setHeader(std::u16string_view label, std::u16string_view value);
};

// Empties the tree to a root with one empty record and an empty trunk.
void clearTree(GameRecord& record);
// Start of every load: black to play, move 0, empty tree.
void resetRecord(GameRecord& record);
// Re-derives the current line from the tree and branchPath. A path entry that
// names no child ends the path there.
void rebuildCurrentLine(GameRecord& record);

std::size_t appendRecord(VariationNode& node);
std::size_t appendChild(VariationNode& node);
// Walks root along a path; stops early at an index that names no child.
VariationNode& nodeAt(GameRecord& record, const BranchPath& path);
// Extends a path with zeros down to a leaf.
void extendToLeaf(GameRecord& record, BranchPath& path);
// Gives back what the tree's arrays hold beyond their records and children,
// once a whole game has been read into it. Pointers into the tree go stale.
void shrinkTree(VariationNode& root);

}  // namespace mokuza
