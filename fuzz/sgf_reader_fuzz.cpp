// libFuzzer harness for the SGF reader and writer.
//
// Built through CMake: configure with CXX=clang++ -DMOKUZA_FUZZ=ON, build sgf_reader_fuzz.
// Run it seeded with the real games (new inputs go to the first folder):
//   mkdir -p build-fuzz/found && build-fuzz/bin/sgf_reader_fuzz -max_len=16384 \
//     -timeout=10 -max_total_time=600 build-fuzz/found ../shared/corpus/variety ../shared/corpus/pro/aeb/Kisei
//
// Each input is decoded as a file would be, read, written, read and written
// again. Besides memory errors it stops on a broken invariant: the text the
// writer produces must read back to the same tree, and writing that again must
// give the same text.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/record/game_record.h"
#include "core/record/sgf_reader.h"
#include "core/record/sgf_writer.h"
#include "core/record/text.h"

namespace {

[[noreturn]] void fail(const char* what) {
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

// What the writer can express of a record: points off the board become passes
// (a later SZ can shrink the board under points already read), marks off the
// board and empty values are left out.
bool sameRecord(const mokuza::MoveRecord& a, const mokuza::MoveRecord& b, int n) {
  using namespace mokuza;
  const auto point = [n](int p) { return isOnBoard(p, n) ? p : kPassPoint; };
  if (a.colour != b.colour || (a.hasMove() && point(a.point) != point(b.point))) return false;
  std::vector<MarkEntry> marksA, marksB;
  for (const MarkEntry& e : a.marks)
    if (isOnBoard(e.point, n)) marksA.push_back(e);
  for (const MarkEntry& e : b.marks)
    if (isOnBoard(e.point, n)) marksB.push_back(e);
  if (marksA != marksB) return false;
  const auto value = [](const std::u16string* v) { return v ? std::u16string_view(*v) : std::u16string_view(); };
  for (std::size_t i = 0; i < a.properties.size(); ++i)
    if (value(a.properties[i]) != value(b.properties[i])) return false;
  if (a.extraProperties().size() != b.extraProperties().size()) return false;
  for (std::size_t i = 0; i < a.extraProperties().size(); ++i) {
    const ExtraProperty& ea = a.extraProperties()[i];
    const ExtraProperty& eb = b.extraProperties()[i];
    if (ea.id != eb.id || ea.values.size() != eb.values.size()) return false;
    for (std::size_t k = 0; k < ea.values.size(); ++k)
      if (*ea.values[k] != *eb.values[k]) return false;
  }
  return true;
}

bool sameTree(const mokuza::VariationNode& a, const mokuza::VariationNode& b, int n) {
  std::vector<std::pair<const mokuza::VariationNode*, const mokuza::VariationNode*>> work{{&a, &b}};
  while (!work.empty()) {
    auto [na, nb] = work.back();
    work.pop_back();
    if (na->records.size() != nb->records.size() || na->children.size() != nb->children.size()) return false;
    for (std::size_t i = 0; i < na->records.size(); ++i)
      if (!sameRecord(na->records[i], nb->records[i], n)) return false;
    for (std::size_t i = 0; i < na->children.size(); ++i) work.emplace_back(&na->children[i], &nb->children[i]);
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace mokuza;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  // Clean UTF-8 must survive the trip through UTF-16 unchanged.
  const std::u16string wide = utf8ToUtf16(bytes);
  if (wide.find(u'\uFFFD') == std::u16string::npos && utf16ToUtf8(wide) != bytes) fail("utf-8 round trip");

  const std::u16string text = decodeBytes(bytes, TextKind::GameRecord);

  // The input's length picks the reading mode, so every mode sees every shape of text.
  ReadOptions options;
  switch (size % 5) {
    case 1:
      options.gobanroll = 5;
      options.playlistGame = true;
      break;
    case 2: options.gobanroll = 12; break;
    case 3:
      options.gobanroll = 25;
      options.randomSeed = static_cast<std::time_t>(size);
      break;
    case 4: options.movesOnly = true; break;
    default: break;
  }
  GameRecord record;
  if (readSgf(record, text, options) != kReadOk) return 0;

  const std::u16string first = writeSgf(record);
  GameRecord again;
  ReadOptions plain;
  if (readSgf(again, first, plain) != kReadOk) fail("written text does not read back");
  if (again.moveCount != record.moveCount) fail("main line length changed");
  if (again.boardSize != record.boardSize) fail("board size changed");
  if (!sameTree(record.root, again.root, record.boardSize)) fail("tree changed");
  const std::u16string second = writeSgf(again);
  if (second != first) fail("second write differs from the first");

  const GameRecord copy(again);
  if (writeSgf(copy) != second) fail("copy writes different text");
  return 0;
}
