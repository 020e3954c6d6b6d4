#include "core/record/sgf_reader.h"

#include <algorithm>
#include <array>
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

// What the reader does with a property, decided once per identifier instead
// of comparing it with every name it knows at every property.
struct IdRole {
  std::int8_t moveInfo = -1;  // row in kMoveInfoFields
  std::int8_t gameInfo = -1;  // row in kGameInfoFields
  std::int8_t mark = -1;      // index in kMarkIds
  std::int8_t stone = 0;      // B, W, AB, AW: +1 black, -1 white
  bool move = false;          // B or W, not a setup stone
  bool label = false;         // LB
  bool size = false;          // SZ
  bool known = false;         // never kept as an extra property
};

constexpr std::array<IdRole, kShortIdCount> makeIdRoles() {
  std::array<IdRole, kShortIdCount> roles{};
  const auto at = [&roles](std::u16string_view id) -> IdRole& {
    return roles[static_cast<std::size_t>(shortIdKey(id))];
  };
  for (std::u16string_view id : {u"B", u"W", u"AB", u"AW", u"LB", u"SZ"}) at(id).known = true;
  at(u"B").stone = at(u"AB").stone = 1;
  at(u"W").stone = at(u"AW").stone = -1;
  at(u"B").move = at(u"W").move = true;
  at(u"LB").label = true;
  at(u"SZ").size = true;
  for (std::size_t i = 0; i < std::size(kMarkIds); ++i) {
    at(kMarkIds[i]).mark = static_cast<std::int8_t>(i);
    at(kMarkIds[i]).known = true;
  }
  for (std::u16string_view id : kWriterOwnedIds) at(id).known = true;
  for (std::size_t i = 0; i < kMoveInfoFields.size(); ++i) {
    at(kMoveInfoFields[i].sgfId).moveInfo = static_cast<std::int8_t>(i);
    at(kMoveInfoFields[i].sgfId).known = true;
  }
  for (std::size_t i = 0; i < kGameInfoFields.size(); ++i) {
    at(kGameInfoFields[i].sgfId).gameInfo = static_cast<std::int8_t>(i);
    at(kGameInfoFields[i].sgfId).known = true;
  }
  return roles;
}

constexpr std::array<IdRole, kShortIdCount> kIdRoles = makeIdRoles();
static_assert(kGameInfoFields[kIdRoles[shortIdKey(u"SZ")].gameInfo].label == kBoardSizeLabel);

// Longer identifiers are all unknown ones.
constexpr IdRole kUnknownId{};

const IdRole& roleOf(std::u16string_view id) {
  const int key = shortIdKey(id);
  return key < 0 ? kUnknownId : kIdRoles[static_cast<std::size_t>(key)];
}

// The end of a value starting at `start`: the first ']' that no backslash
// escapes and that is followed by ASCII or the end of the text (a ']' before
// any other character is text); npos when the value is never closed.
std::size_t valueEnd(std::u16string_view text, std::size_t start, bool& escaped) {
  escaped = false;
  for (std::size_t i = start; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c == u'\\') {
      escaped = true;
      ++i;
    } else if (c == u']' && (i + 1 == text.size() || text[i + 1] < 128)) {
      return i;
    }
  }
  return std::u16string_view::npos;
}

// Whether a node starts as most nodes of a game do, with one move and its
// point: "B[pd]" and then ASCII, which leaves no doubt where the value ends.
bool isPlainMove(std::u16string_view node) {
  const auto isLetter = [](char16_t c) { return c >= u'a' && c <= u'z'; };
  return node.size() >= 5 && (node[0] == u'B' || node[0] == u'W') && node[1] == u'[' && isLetter(node[2]) &&
         isLetter(node[3]) && node[4] == u']' && (node.size() == 5 || node[5] < 128);
}

// A value without its escaping backslashes: each keeps the character after it.
void unescapeInto(std::u16string_view raw, std::u16string& value) {
  value.clear();
  for (std::size_t i = 0; i < raw.size(); ++i) {
    if (raw[i] == u'\\') ++i;
    if (i < raw.size()) value.push_back(raw[i]);
  }
}

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
  void startGame();
  void setGameInfo(const IdRole& role, std::u16string_view value);
  void startNode(std::u16string_view rest);
  void openVariation();
  void closeVariation();
  void processProperty(std::u16string_view value);
  void placeMark(int p, std::u16string_view markText);
  void placeStone(int p, const IdRole& role);  // a move or a setup stone
  int decodePoint(std::u16string_view twoLetters) const;
  bool isBeyondKeptBoard(std::u16string_view twoLetters) const;
  void noteLostPoints(std::u16string_view value, const IdRole& role);
  void placeStoneAt(std::u16string_view value, const IdRole& role);
  std::size_t readPlainMoves(std::u16string_view text, std::size_t i);
  void decideTransform(int p, const IdRole& role);
  int transformed(int p, const IdRole& role);
  MoveRecord* currentRecord();

  GameRecord& record_;
  ReadOptions& options_;
  int depth_ = 0;
  bool started_ = false;
  bool opened_ = false;  // a '(' was seen, and the record reset there
  std::ptrdiff_t gameStart_ = -1;
  std::u16string ident_;
  std::u16string unescaped_;  // the value, when it held a backslash
  int autoLabel_ = 0;
  VariationNode* currentNode_ = nullptr;
  std::size_t currentRecord_ = 0;
  std::size_t recordsRead_ = 0;
  int transform_ = -1;  // undecided
  // Nodes reached along record_.branchPath, so that opening a variation never
  // walks the path from the root again.
  std::vector<VariationNode*> nodeStack_;
  // The game information entries of the game read before, taken out at the
  // start of this one and put back when it sets them again: mostly the same
  // labels, so the header is rebuilt without allocating.
  std::array<HeaderValues::node_type, kGameInfoFields.size()> spareInfo_;
};

MoveRecord* SgfReader::currentRecord() {
  return currentRecord_ < currentNode_->records.size() ? &currentNode_->records[currentRecord_] : nullptr;
}

// A '(' before the game: whatever an earlier one began is dropped.
void SgfReader::startGame() {
  if (!options_.movesOnly)
    for (std::size_t row = 0; row < kGameInfoFields.size(); ++row)
      if (auto it = record_.headerValues.find(kGameInfoFields[row].label); it != record_.headerValues.end()) {
        spareInfo_[row] = record_.headerValues.extract(it);
        spareInfo_[row].mapped() = nullptr;  // its pool goes with the reset
      }
  resetRecord(record_);
  currentNode_ = &record_.root;
  nodeStack_ = {&record_.root, &record_.root.children[0]};
  opened_ = true;
}

void SgfReader::setGameInfo(const IdRole& role, std::u16string_view value) {
  const auto row = static_cast<std::size_t>(role.gameInfo);
  if (spareInfo_[row]) {
    // The entry put back, or the one already there.
    record_.headerValues.insert(std::move(spareInfo_[row])).position->second = record_.intern(value);
  } else {
    record_.setHeader(kGameInfoFields[row].label, value);
  }
}

// The records a run that starts with this node will most likely hold: this
// node and the ';' before the next parenthesis. Reserving them up front spares
// the growth of a long main line and the copy that shrinking it to size would
// take; the length of the text bounds what is reserved.
std::size_t nodesAhead(std::u16string_view rest) {
  constexpr std::size_t kShortestNode = 4;  // ";B[]"
  constexpr std::size_t kBlock = 64;        // counted without a branch, which lets the compiler use vectors
  std::size_t nodes = 1, i = 0;
  for (; i + kBlock <= rest.size(); i += kBlock) {
    unsigned semicolons = 0, parentheses = 0;
    for (std::size_t k = 0; k < kBlock; ++k) {
      const char16_t c = rest[i + k];
      semicolons += c == u';';
      parentheses += (c | 1) == u')';  // '(' or ')'
    }
    if (parentheses > 0) break;
    nodes += semicolons;
  }
  for (; i < rest.size() && rest[i] != u'(' && rest[i] != u')'; ++i) nodes += rest[i] == u';';
  return std::min(nodes, rest.size() / kShortestNode + 1);
}

void SgfReader::startNode(std::u16string_view rest) {
  if (!isValidBoardSize(record_.boardSize)) record_.boardSize = kDefaultBoardSize;
  if (currentNode_ == &record_.root) currentNode_ = &record_.root.children[0];
  std::vector<MoveRecord>& records = currentNode_->records;
  if (records.empty()) records.reserve(nodesAhead(rest));
  currentRecord_ = records.size();
  records.emplace_back();
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

void SgfReader::noteLostPoints(std::u16string_view value, const IdRole& role) {
  if (options_.loss.largerBoard == 0) return;
  const bool lost =
      isBeyondKeptBoard(value) || (value.size() == 5 && value[2] == u':' && isBeyondKeptBoard(value.substr(3)));
  if (!lost || !currentRecord()) return;
  ++(role.move ? options_.loss.movesOffBoard : options_.loss.pointsOffBoard);
}

// Taken at the first point read, for the whole read.
void SgfReader::decideTransform(int p, const IdRole& role) {
  const int n = record_.boardSize;
  transform_ = kNoTransform;
  const int g = options_.gobanroll;
  bool candidate = isOnBoard(p, n) && role.move && role.stone == 1 && recordsRead_ == 1;
  if (!candidate || !((g >= 1 && options_.playlistGame) || g >= 10)) return;
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

int SgfReader::transformed(int p, const IdRole& role) {
  if (transform_ < 0) decideTransform(p, role);
  return transform_ == kNoTransform ? p : transformPoint(p, transform_, record_.boardSize);
}

void SgfReader::placeStoneAt(std::u16string_view value, const IdRole& role) {
  noteLostPoints(value, role);
  placeStone(transformed(decodePoint(value), role), role);
}

// Goes on after a node read as a plain move through the nodes like it that
// follow, which make up most of a game: each is a new record with its point
// and colour, without the checks that only the first move of a read, a board
// larger than 19 lines or other properties need. Returns where the run ends:
// the ';' of a node that is not a plain move, or what follows the last move.
std::size_t SgfReader::readPlainMoves(std::u16string_view text, std::size_t i) {
  if (options_.loss.largerBoard != 0 || transform_ < 0) return i;
  std::vector<MoveRecord>& records = currentNode_->records;
  const int n = record_.boardSize;
  std::uint32_t moves[2] = {0, 0};  // white, black
  char16_t last = 0;
  for (;;) {
    while (i < text.size() && (text[i] == u'\n' || text[i] == u'\r' || text[i] == u' ' || text[i] == u'\t')) ++i;
    if (i >= text.size() || text[i] != u';' || !isPlainMove(text.substr(i + 1))) break;
    last = text[i + 1];
    // A point off the board reads as a pass, and no transform moves a point off it.
    int p = decodeSgfPoint(text.substr(i + 3, 2), n).index;
    if (transform_ != kNoTransform) p = transformPoint(p, transform_, n);
    MoveRecord& rec = records.emplace_back();
    rec.point = static_cast<std::uint16_t>(p);
    rec.colour = last == u'B' ? 1 : -1;
    ++moves[last == u'B'];
    i += 6;
  }
  if (last == 0) return i;
  currentRecord_ = records.size() - 1;
  recordsRead_ += moves[0] + moves[1];
  record_.whiteMoveCount += moves[0];
  record_.blackMoveCount += moves[1];
  record_.colourToPlay = last == u'B' ? 1 : -1;
  ident_[0] = last;
  return i;
}

void SgfReader::placeMark(int p, std::u16string_view markText) {
  MoveRecord* rec = currentRecord();
  if (!rec || !isOnBoard(p, record_.boardSize)) return;
  std::u16string& text = rec->marks.at(static_cast<std::int16_t>(p)).text;
  text = clipMarkText(markText);
  if (text.size() < markText.size()) ++options_.loss.cutLabels;
}

void SgfReader::placeStone(int p, const IdRole& role) {
  MoveRecord* rec = currentRecord();
  if (!rec) return;
  const bool onBoard = isOnBoard(p, record_.boardSize);
  const std::int8_t code = role.stone;
  record_.colourToPlay = code;
  if (!role.move) {
    if (onBoard) rec->marks.at(static_cast<std::int16_t>(p)).stone = code;
    return;
  }
  if (rec->hasMove()) ++options_.loss.extraMoves;
  rec->point = static_cast<std::uint16_t>(onBoard ? p : kPassPoint);
  rec->colour = code;
  ++(code == 1 ? record_.blackMoveCount : record_.whiteMoveCount);
}

void SgfReader::processProperty(std::u16string_view value) {
  if (ident_.empty()) return;
  const IdRole& role = roleOf(ident_);
  if (role.move) {
    // Most properties of a game are its moves: nothing but a point.
    placeStoneAt(value, role);
    return;
  }

  if (!options_.movesOnly && role.moveInfo >= 0) {
    if (MoveRecord* rec = currentRecord())
      rec->properties[static_cast<std::size_t>(role.moveInfo)] = record_.intern(value);
  }

  std::u16string_view markText;
  char16_t autoLabel = 0;
  if (role.mark >= 0) markText = kMarkSymbols[role.mark];
  if (role.label) {
    if (value.size() > 3) markText = value.substr(3);
    if (markText.empty()) {
      autoLabel = static_cast<char16_t>(u'a' + autoLabel_++);
      markText = std::u16string_view(&autoLabel, 1);
    }
  }

  if (role.stone != 0 || !markText.empty()) {
    noteLostPoints(value, role);
    const auto apply = [&](int p) { markText.empty() ? placeStone(p, role) : placeMark(p, markText); };
    if (!role.label && value.size() == 5 && value[2] == u':') {
      // A compressed point list: every point of the rectangle.
      int a = decodePoint(value.substr(0, 2));
      int b = decodePoint(value.substr(3, 2));
      const int n = record_.boardSize;
      if (isOnBoard(a, n) && isOnBoard(b, n)) {
        int x0 = std::min(a % n, b % n), x1 = std::max(a % n, b % n);
        int y0 = std::min(a / n, b / n), y1 = std::max(a / n, b / n);
        for (int y = y0; y <= y1; ++y)
          for (int x = x0; x <= x1; ++x) apply(transformed(x + y * n, role));
      }
    } else {
      apply(transformed(decodePoint(value), role));
    }
  }

  std::u16string sizeText;
  if (role.size) {
    int size = parseLeadingInt(value, options_.defaultBoardSize);
    options_.defaultBoardSize = size;
    if (size > kMaxBoardSize) options_.loss.largerBoard = size;
    if (!isValidBoardSize(size)) {
      options_.defaultBoardSize = kDefaultBoardSize;
      size = kDefaultBoardSize;
      value = u"19";
    }
    // A value without a number (an empty one, too) takes the default size; it
    // is stored as that number so that saving writes back the board it was read on.
    if (parseLeadingInt(value, -1) != size) value = sizeText = asciiToUtf16(std::to_string(size));
    if (record_.header(kBoardSizeLabel) != value || !record_.headerValues.count(kBoardSizeLabel)) {
      setGameInfo(role, value);
      record_.boardSize = size;
    }
  }

  if (!options_.movesOnly) {
    if (role.gameInfo >= 0) {
      setGameInfo(role, value);
      if (options_.playlistGame && options_.onPlaylistInfo)
        options_.onPlaylistInfo(kGameInfoFields[static_cast<std::size_t>(role.gameInfo)].label, value);
    } else if (!role.known) {
      if (MoveRecord* rec = currentRecord()) {
        auto& extras = rec->extraPropertiesToEdit();
        if (extras.empty() || extras.back().id != ident_) extras.push_back({ident_, {}});
        extras.back().values.push_back(record_.intern(value));
      }
    }
  }
}

int SgfReader::run(std::u16string_view text) {
  // A game without SZ is 19 x 19; only moves pasted onto the open game keep its board.
  if (!options_.movesOnly) record_.boardSize = kDefaultBoardSize;
  options_.loss = {};
  record_.blackMoveCount = 0;
  record_.whiteMoveCount = 0;

  bool restartIdent = false;
  const std::size_t size = text.size();
  for (std::size_t i = 0; i < size; ++i) {
    const char16_t c = text[i];
    if (c == u';' && depth_ >= 1) {
      if (!started_) {
        started_ = true;
        depth_ = 1;
        gameStart_ = static_cast<std::ptrdiff_t>(text.rfind(u'(', i));
      } else {
        startNode(text.substr(i + 1));
        if (isPlainMove(text.substr(i + 1))) {
          // What the letters, the bracket and the value of ";B[pd]" would do one by one.
          ident_.resize(1);
          ident_[0] = text[i + 1];
          restartIdent = true;
          placeStoneAt(text.substr(i + 3, 2), roleOf(ident_));
          i = readPlainMoves(text, i + 6) - 1;
          continue;
        }
      }
      ident_.clear();
    } else if (c == u'[' && started_) {
      restartIdent = true;
      bool escaped = false;
      const std::size_t end = valueEnd(text, i + 1, escaped);
      if (end == std::u16string_view::npos) break;  // a value left open ends the text
      const std::u16string_view raw = text.substr(i + 1, end - i - 1);
      if (escaped) unescapeInto(raw, unescaped_);
      processProperty(escaped ? std::u16string_view(unescaped_) : raw);
      i = end;
    } else if (c >= u'A' && c <= u'Z' && started_) {
      if (restartIdent) {
        ident_.clear();
        restartIdent = false;
      }
      ident_.push_back(c);
    } else if (c == u'(') {
      if (started_) openVariation();
      else startGame();
      ++depth_;
    } else if (c == u')' && (i + 1 == size || text[i + 1] < 128) && depth_ >= 1 && started_) {
      closeVariation();
      if (depth_ == 0) {
        options_.loss.moreGames = holdsAnotherGame(text.substr(i + 1));
        break;
      }
    }
  }

  // Without a '(' the record was never reset; it is reset all the same.
  if (!opened_) resetRecord(record_);
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
