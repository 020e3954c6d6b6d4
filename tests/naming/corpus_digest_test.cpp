// What reading, replaying and naming give for every tenth professional game,
// compared with a digest file kept beside this test: any change in a parsed
// record, a position, a capture or a name shows up as a changed line.
// MOKUZA_WRITE_DIGEST=path writes the file afresh instead of comparing.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "core/record/sgf_writer.h"
#include "core/record/text.h"
#include "tests/corpus_files.h"
#include "tests/naming/naming_test_support.h"

namespace mokuza::test {
namespace {

namespace fs = std::filesystem;

// FNV-1a, 64 bits: stable across builds and machines.
struct Digest {
  std::uint64_t value = 14695981039346656037ull;
  void add(const void* data, std::size_t size) {
    for (const auto* p = static_cast<const unsigned char*>(data); size--; ++p) value = (value ^ *p) * 1099511628211ull;
  }
  void add(std::u16string_view text) { add(text.data(), text.size() * sizeof(char16_t)); }
  void add(int number) { add(&number, sizeof number); }
};

std::string gameLine(const fs::path& path, const NamedGame& game) {
  Digest record, positions, names;
  record.add(writeSgf(game.record));
  for (int m = 0; m <= game.last(); ++m) {
    const auto index = static_cast<std::size_t>(m);
    const PlayGrid& grid = game.board.history.playGrids[index];
    const GridGeometry& geometry = game.board.geometry;
    for (int y = 0; y < geometry.n; ++y)
      for (int x = 0; x < geometry.n; ++x) positions.add(grid[geometry.bordered(x, y)]);
    const PositionSlot& slot = game.board.slot(m);
    positions.add(static_cast<int>(slot.capturedBlack.size()));
    positions.add(static_cast<int>(slot.capturedWhite.size()));
    if (m == 0) continue;
    names.add(game.classifier.moveName(m));
    names.add(game.classifier.moveFigure(m));
    for (int b : game.line[index].figureStones()) names.add(b);
  }
  std::ostringstream line;
  line << fs::relative(path, fs::path(MOKUZA_CORPUS_DIR) / "pro").generic_string() << ' ' << game.last() << std::hex
       << ' ' << record.value << ' ' << positions.value << ' ' << names.value << '\n';
  return line.str();
}

std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// Compares the lines with the digest file of that name beside this test, or
// writes them to MOKUZA_WRITE_DIGEST instead.
void expectDigestFile(const std::string& name, const std::string& lines) {
  const fs::path digestFile = fs::path(MOKUZA_SOURCE_DIR) / "tests/naming" / name;
  if (const char* out = std::getenv("MOKUZA_WRITE_DIGEST")) {
    std::ofstream(out, std::ios::binary) << lines;
    GTEST_SKIP() << "digest written to " << out;
  }
  std::ifstream in(digestFile, std::ios::binary);
  ASSERT_TRUE(in) << digestFile;
  std::stringstream expected;
  expected << in.rdbuf();
  const std::vector<std::string> want = splitLines(expected.str()), got = splitLines(lines);
  for (std::size_t i = 0; i < std::min(want.size(), got.size()); ++i)
    ASSERT_EQ(want[i], got[i]) << "game, moves, then digests of record, positions and names";
  EXPECT_EQ(want.size(), got.size());
}

TEST(CorpusDigest, EveryTenthProGameReadsReplaysAndNamesAsRecorded) {
  std::string lines;
  NamedGame game;
  const int games = forEachCorpusGame("pro", 10, [&](const fs::path& path, const std::u16string& text) {
    game.play(utf16ToUtf8(text));
    lines += gameLine(path, game);
  });
  if (games == 0) GTEST_SKIP() << "no corpus";
  expectDigestFile("corpus_digest.txt", lines);
}

// The built-in rows and, ranked above them, the figures only a figure list
// names; then the same reversed, and shuffled. The choice, and the stages it
// passes over, must follow the table.
enum class Order { Appended, Reversed, Shuffled };

naming::FigureTable reorderedTable(Order order) {
  std::vector<naming::FigureRow> rows = naming::builtInFigureRows();
  for (int f = naming::kBuiltInFigureCount; f < naming::kFigureKindCount; ++f)
    rows.push_back({std::u16string(naming::kFigureNames[static_cast<std::size_t>(f)]), {}});
  if (order == Order::Reversed) {
    std::reverse(rows.begin() + 1, rows.end());  // row 0 names the unmatched moves
  } else if (order == Order::Shuffled) {
    // Fisher-Yates with a fixed seed: std::shuffle differs between libraries.
    std::mt19937 random(20261208);
    for (std::size_t i = rows.size() - 1; i > 1; --i) std::swap(rows[i], rows[1 + random() % i]);
  }
  return naming::FigureTable(std::move(rows));
}

TEST(CorpusDigest, ProGamesNameAsRecordedUnderReorderedFigureTables) {
  std::string lines;
  for (auto [order, tag] : {std::pair{Order::Appended, "appended "}, std::pair{Order::Reversed, "reversed "},
                            std::pair{Order::Shuffled, "shuffled "}}) {
    NamedGame game(reorderedTable(order));
    const int games = forEachCorpusGame("pro", 25, [&](const fs::path& path, const std::u16string& text) {
      game.play(utf16ToUtf8(text));
      lines += tag + gameLine(path, game);
    });
    if (games == 0) GTEST_SKIP() << "no corpus";
  }
  expectDigestFile("corpus_digest_reordered.txt", lines);
}

}  // namespace
}  // namespace mokuza::test
