#include "core/record/sgf_reader.h"

#include <random>

#include "core/record/board_transform.h"
#include "core/record/sgf_point.h"
#include "core/record/text.h"

namespace mokuza {

namespace {

// +1 per black setup stone, -1 per white, -10000 once both colours appear.
int setupBalance(const MarkList& marks) {
  int balance = 0;
  for (const MarkEntry& entry : marks) {
    if (entry.stone == 0 || balance == kMixedSetup) continue;
    if (balance != 0 && (balance > 0) != (entry.stone > 0)) balance = kMixedSetup;
    else balance += entry.stone;
  }
  return balance;
}

}  // namespace

std::string ReadLoss::describe() const {
  std::string text;
  auto add = [&text](int count, const char* one, const char* many) {
    if (count > 0) text += (text.empty() ? "" : ", ") + std::to_string(count) + " " + (count == 1 ? one : many);
  };
  if (largerBoard > 0) text = "a board of " + std::to_string(largerBoard) + " lines read as 19";
  add(movesOffBoard, "move beyond 19 lines turned into a pass", "moves beyond 19 lines turned into passes");
  add(pointsOffBoard, "setup stone or mark beyond 19 lines dropped", "setup stones or marks beyond 19 lines dropped");
  add(cutLabels, "label cut to 3 characters", "labels cut to 3 characters");
  add(extraMoves, "node with two moves read as its last one", "nodes with two moves read as their last one");
  if (moreGames) text += (text.empty() ? "" : ", ") + std::string("the games after the first of the collection");
  return text;
}

std::u16string loadTextFile(const std::filesystem::path& path, platform::Services& services, TextKind kind) {
  const platform::FileRead read = platform::readUserFile(path, kTextFileMax);
  if (!read) {
    services.diagnostic("File Open Error: " + read.error);
    return {};
  }
  if (read.bytes.empty()) return {};
  return decodeBytes(read.bytes, kind);
}

namespace {

constexpr std::u16string_view kMarkIds[] = {u"TR", u"RT", u"SQ", u"SL", u"LO", u"CR", u"MA", u"ST"};
constexpr std::u16string_view kMarkSymbols[] = {u"▲", u"▼", u"■", u"□", u"◆", u"●", u"×", u"★"};
// Identifiers the writer produces itself; never kept as extra properties.
constexpr std::u16string_view kWriterOwnedIds[] = {u"GM", u"FF", u"CA", u"AP"};

bool contains(std::u16string_view s, char16_t c) { return s.find(c) != std::u16string_view::npos; }

int parseLeadingInt(std::u16string_view value, int fallback) {
  std::size_t i = 0;
  while (i < value.size() && (value[i] == u' ' || value[i] == u'\t' || value[i] == u'\n')) ++i;
  bool negative = false;
  if (i < value.size() && (value[i] == u'-' || value[i] == u'+')) negative = value[i++] == u'-';
  if (i >= value.size() || value[i] < u'0' || value[i] > u'9') return fallback;
  long long result = 0;
  for (; i < value.size() && value[i] >= u'0' && value[i] <= u'9'; ++i) {
    result = result * 10 + (value[i] - u'0');
    if (result > 1000000) break;  // far outside any board size
  }
  return static_cast<int>(negative ? -result : result);
}

// Whether the text after a game opens another one: "(" and, after white space, ";".
bool holdsAnotherGame(std::u16string_view rest) {
  for (std::size_t open = rest.find(u'('); open != std::u16string_view::npos; open = rest.find(u'(', open + 1)) {
    const std::size_t next = rest.find_first_not_of(u" \t\r\n", open + 1);
    if (next != std::u16string_view::npos && rest[next] == u';') return true;
  }
  return false;
}

class SgfReader {
 public:
  SgfReader(GameRecord& record, ReadOptions& options) : record_(record), options_(options) {}
  int run(std::u16string_view text);

 private:
  void startNode();
  void openVariation();
  void closeVariation();
  void processProperty();
  bool isKnownId() const;
  void applyPoint(int p, int colourIndex, std::u16string_view markText);
  int decodePoint(std::u16string_view twoLetters) const;
  bool isBeyondKeptBoard(std::u16string_view twoLetters) const;
  void noteLostPoints();
  int transformed(int p);
  MoveRecord* currentRecord();

  GameRecord& record_;
  ReadOptions& options_;
  int depth_ = 0;
  bool started_ = false;
  std::ptrdiff_t gameStart_ = -1;
  std::u16string ident_;
  std::u16string value_;
  int autoLabel_ = 0;
  VariationNode* currentNode_ = nullptr;
  std::size_t currentRecord_ = 0;
  std::size_t recordsRead_ = 0;
  int transform_ = -1;  // undecided
  // Nodes reached along record_.branchPath, so that opening a variation never
  // walks the path from the root again.
  std::vector<VariationNode*> nodeStack_;
};

MoveRecord* SgfReader::currentRecord() {
  return currentRecord_ < currentNode_->records.size() ? &currentNode_->records[currentRecord_] : nullptr;
}

void SgfReader::startNode() {
  if (!isValidBoardSize(record_.boardSize)) record_.boardSize = kDefaultBoardSize;
  if (currentNode_ == &record_.root) currentNode_ = &record_.root.children[0];
  currentRecord_ = appendRecord(*currentNode_);
  ++recordsRead_;
  autoLabel_ = 0;
}

void SgfReader::openVariation() {
  VariationNode& parent = *nodeStack_.back();
  std::size_t index = appendChild(parent);
  record_.branchPath.push_back(static_cast<std::int16_t>(index));
  nodeStack_.push_back(&parent.children[index]);
  currentNode_ = nodeStack_.back();
}

void SgfReader::closeVariation() {
  --depth_;
  if (depth_ > 0 && record_.branchPath.size() > 1) {
    record_.branchPath.pop_back();
    nodeStack_.pop_back();
  }
}

int SgfReader::decodePoint(std::u16string_view v) const { return decodeSgfPoint(v, record_.boardSize).index; }

// A point of a declared board larger than 19 lines that the 19 lines do not hold.
bool SgfReader::isBeyondKeptBoard(std::u16string_view v) const {
  const int declared = options_.loss.largerBoard;
  if (declared == 0 || v.size() < 2) return false;
  const int x = v[0] - u'a', y = v[1] - u'a';
  return x >= 0 && y >= 0 && x < declared && y < declared && (x >= record_.boardSize || y >= record_.boardSize);
}

void SgfReader::noteLostPoints() {
  const std::u16string_view value(value_);
  const bool lost =
      isBeyondKeptBoard(value) || (value.size() == 5 && value[2] == u':' && isBeyondKeptBoard(value.substr(3)));
  if (!lost || !currentRecord()) return;
  ++(ident_ == u"B" || ident_ == u"W" ? options_.loss.movesOffBoard : options_.loss.pointsOffBoard);
}

int SgfReader::transformed(int p) {
  const int n = record_.boardSize;
  if (transform_ < 0) {
    transform_ = kNoTransform;
    const int g = options_.gobanroll;
    bool candidate = isOnBoard(p, n) && ident_ == u"B" && recordsRead_ == 1;
    if (candidate && ((g >= 1 && options_.playlistGame) || g >= 10)) {
      if (g < 10) {
        transform_ = g % 8;
      } else if (g < 20) {
        const int centre = (n / 2) * n + n / 2;
        if (!(n % 2 == 1 && p == centre) && setupBalance(record_.root.records[0].marks) == 0)
          transform_ = upperRightTransform(p, n);
      } else {
        std::minstd_rand random(static_cast<std::uint32_t>(options_.randomSeed));
        transform_ = static_cast<int>(random() % 8);
      }
    }
  }
  return transformPoint(p, transform_, n);
}

void SgfReader::applyPoint(int p, int colourIndex, std::u16string_view markText) {
  MoveRecord* rec = currentRecord();
  if (!rec) return;
  const bool onBoard = isOnBoard(p, record_.boardSize);
  if (!markText.empty()) {
    if (!onBoard) return;
    std::u16string& text = rec->marks.at(static_cast<std::int16_t>(p)).text;
    text = clipMarkText(markText);
    if (text.size() < markText.size()) ++options_.loss.cutLabels;
    return;
  }
  if (colourIndex < 0) return;
  const std::int8_t code = colourIndex == 0 ? 1 : -1;
  record_.colourToPlay = code;
  if (contains(ident_, u'A')) {
    if (onBoard) rec->marks.at(static_cast<std::int16_t>(p)).stone = code;
    return;
  }
  if (rec->hasMove()) ++options_.loss.extraMoves;
  rec->point = static_cast<std::uint16_t>(onBoard ? p : kPassPoint);
  rec->colour = code;
  ++(code == 1 ? record_.blackMoveCount : record_.whiteMoveCount);
}

bool SgfReader::isKnownId() const {
  if (ident_ == u"B" || ident_ == u"W" || ident_ == u"AB" || ident_ == u"AW" || ident_ == u"LB" || ident_ == u"SZ")
    return true;
  for (auto id : kMarkIds)
    if (ident_ == id) return true;
  for (auto id : kWriterOwnedIds)
    if (ident_ == id) return true;
  return gameInfoIndexById(ident_) || moveInfoIndexById(ident_);
}

void SgfReader::processProperty() {
  if (ident_.empty()) return;

  if (!options_.movesOnly) {
    if (auto index = moveInfoIndexById(ident_)) {
      if (MoveRecord* rec = currentRecord()) rec->properties[*index] = record_.intern(value_);
    }
  }

  std::u16string markText;
  bool isLabel = false;
  for (std::size_t i = 0; i < std::size(kMarkIds); ++i)
    if (ident_ == kMarkIds[i]) markText = kMarkSymbols[i];
  if (ident_ == u"LB") {
    isLabel = true;
    if (value_.size() > 3) markText = value_.substr(3);
    if (markText.empty()) markText.assign(1, static_cast<char16_t>(u'a' + autoLabel_++));
  }

  const bool isStoneOrMove = ident_ == u"B" || ident_ == u"W" || ident_ == u"AB" || ident_ == u"AW";
  if (isStoneOrMove || !markText.empty()) {
    noteLostPoints();
    const int colourIndex = contains(ident_, u'B') ? 0 : contains(ident_, u'W') ? 1 : -1;
    const bool isList = !isLabel && ident_ != u"B" && ident_ != u"W";
    if (isList && value_.size() == 5 && value_[2] == u':') {
      // A compressed point list: every point of the rectangle.
      int a = decodePoint(std::u16string_view(value_).substr(0, 2));
      int b = decodePoint(std::u16string_view(value_).substr(3, 2));
      const int n = record_.boardSize;
      if (isOnBoard(a, n) && isOnBoard(b, n)) {
        int x0 = std::min(a % n, b % n), x1 = std::max(a % n, b % n);
        int y0 = std::min(a / n, b / n), y1 = std::max(a / n, b / n);
        for (int y = y0; y <= y1; ++y)
          for (int x = x0; x <= x1; ++x) applyPoint(transformed(x + y * n), colourIndex, markText);
      }
    } else {
      applyPoint(transformed(decodePoint(value_)), colourIndex, markText);
    }
  }

  if (ident_ == u"SZ") {
    int size = parseLeadingInt(value_, options_.defaultBoardSize);
    options_.defaultBoardSize = size;
    if (size > kMaxBoardSize) options_.loss.largerBoard = size;
    if (!isValidBoardSize(size)) {
      options_.defaultBoardSize = kDefaultBoardSize;
      size = kDefaultBoardSize;
      value_ = u"19";
    }
    // A value without a number (an empty one, too) takes the default size; it
    // is stored as that number so that saving writes back the board it was read on.
    if (parseLeadingInt(value_, -1) != size) value_ = asciiToUtf16(std::to_string(size));
    if (record_.header(kBoardSizeLabel) != value_ || !record_.headerValues.count(kBoardSizeLabel)) {
      record_.setHeader(kBoardSizeLabel, value_);
      record_.boardSize = size;
    }
  }

  if (!options_.movesOnly) {
    if (auto index = gameInfoIndexById(ident_)) {
      record_.setHeader(kGameInfoFields[*index].label, value_);
      if (options_.playlistGame && options_.onPlaylistInfo)
        options_.onPlaylistInfo(kGameInfoFields[*index].label, value_);
    } else if (!isKnownId()) {
      if (MoveRecord* rec = currentRecord()) {
        auto& extras = rec->extraPropertiesToEdit();
        if (extras.empty() || extras.back().id != ident_) extras.push_back({ident_, {}});
        extras.back().values.push_back(record_.intern(value_));
      }
    }
  }
}

int SgfReader::run(std::u16string_view text) {
  // A game without SZ is 19 x 19; only moves pasted onto the open game keep its board.
  if (!options_.movesOnly) record_.boardSize = kDefaultBoardSize;
  options_.loss = {};
  resetRecord(record_);
  record_.blackMoveCount = 0;
  record_.whiteMoveCount = 0;
  currentNode_ = &record_.root;
  nodeStack_ = {&record_.root, &record_.root.children[0]};

  bool inValue = false;
  bool escapePending = false;
  bool restartIdent = false;
  const std::size_t size = text.size();
  for (std::size_t i = 0; i < size; ++i) {
    const char16_t c = text[i];
    const char16_t next = i + 1 < size ? text[i + 1] : 0;
    if (inValue) {
      if (escapePending) {
        value_.push_back(c);
        escapePending = false;
      } else if (c == u'\\') {
        escapePending = true;
      } else if (c == u']' && next < 128) {
        inValue = false;
        processProperty();
      } else {
        value_.push_back(c);
      }
      continue;
    }
    if (c == u';' && depth_ >= 1) {
      if (!started_) {
        started_ = true;
        depth_ = 1;
        gameStart_ = static_cast<std::ptrdiff_t>(text.rfind(u'(', i));
      } else {
        startNode();
      }
      ident_.clear();
    } else if (c == u'[' && started_) {
      inValue = true;
      restartIdent = true;
      escapePending = false;
      value_.clear();
    } else if (c >= u'A' && c <= u'Z' && started_) {
      if (restartIdent) {
        ident_.clear();
        restartIdent = false;
      }
      ident_.push_back(c);
    } else if (c == u'(') {
      if (started_) {
        openVariation();
      } else {
        resetRecord(record_);
        if (!options_.movesOnly)
          for (const PropertyField& field : kGameInfoFields) record_.headerValues.erase(std::u16string(field.label));
        currentNode_ = &record_.root;
        nodeStack_ = {&record_.root, &record_.root.children[0]};
      }
      ++depth_;
    } else if (c == u')' && next < 128 && depth_ >= 1 && started_) {
      closeVariation();
      if (depth_ == 0) {
        options_.loss.moreGames = holdsAnotherGame(text.substr(i + 1));
        break;
      }
    }
  }

  if (gameStart_ < 0) return kReadNoGame;
  if (!isValidBoardSize(record_.boardSize)) record_.boardSize = kDefaultBoardSize;
  record_.branchPath.clear();
  extendToLeaf(record_, record_.branchPath);
  shrinkTree(record_.root);
  rebuildCurrentLine(record_);
  if (options_.playlistGame) {
    std::u16string total = asciiToUtf16(std::to_string(record_.moveCount));
    record_.setHeader(kTotalMovesLabel, total);
    if (options_.onPlaylistInfo) options_.onPlaylistInfo(kTotalMovesLabel, total);
  }
  return kReadOk;
}

}  // namespace

int readSgf(GameRecord& record, std::u16string_view text, ReadOptions& options) {
  SgfReader reader(record, options);
  return reader.run(text);
}

}  // namespace mokuza
