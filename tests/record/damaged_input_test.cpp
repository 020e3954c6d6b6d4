// Damaged and hostile input: whatever the bytes, reading, writing and reading
// again must work, and the second write must repeat the first.

#include <gtest/gtest.h>

#include "core/record/sgf_writer.h"
#include "record_test_support.h"
#include "tests/seeded_mutations.h"

namespace mokuza {
namespace {

// Empty when the bytes survive; the read mode cycles through rotation and moves-only.
std::string survive(std::string_view bytes, int mode) {
  ReadOptions options, plain;
  options.gobanroll = mode == 1 ? 5 : mode == 2 ? 12 : -8;
  options.playlistGame = mode == 1;
  options.movesOnly = mode == 3;
  GameRecord record, again;
  if (readSgf(record, decodeBytes(bytes, TextKind::GameRecord), options) != kReadOk) return {};
  const std::u16string first = writeSgf(record);
  if (readSgf(again, first, plain) != kReadOk) return "the written text does not read";
  if (again.moveCount != record.moveCount) return "the main line changed length";
  if (writeSgf(again) != first) return "the second write differs: " + utf16ToUtf8(first);
  return {};
}

TEST(RecordDamagedInput, HandWrittenBreakage) {
  std::vector<std::string> cases = {"(",
                                    "((((((",
                                    "))))((",
                                    "(;",
                                    "(;B[",
                                    "(;B[aa]\\",
                                    "(;LB[aa:",
                                    "(;AB[aa:zz]",
                                    "(;TR[:]",
                                    "(;SZ[99999999999999999999];B[aa])",
                                    "(;SZ[2];B[bb];W[zz];AB[aa:bb])",
                                    "(;SZ[9]SZ[19]SZ[9];B[ii]SZ[2])",
                                    "(;B[aa](;W[bb]))))))(;B[cc])",
                                    "(;(;(;(;(;B[aa]",
                                    "(;GM[1]()()()(;B[aa])",
                                    ";;;;(;;;;",
                                    "(;B[aa]])]]]",
                                    "(;C[\xff\xfe]\x80)",
                                    "\xef\xbb\xbf(;B[aa])",
                                    "(;)\xe6\x97\xa5(;B[aa])",
                                    "(;B[aa]LB[aa:\\]\\]\\]\\]])"};
  cases.push_back("(;" + std::string(2000, 'L') + "B[aa]" + std::string(400, ']') + ")");
  std::string labels = "(;";
  for (int i = 0; i < 400; ++i) labels += "LB[" + std::string(1, static_cast<char>('a' + i % 19)) + "a]";
  cases.push_back(labels + ")");
  for (const std::string& bytes : cases)
    for (int mode = 0; mode < 4; ++mode)
      EXPECT_EQ(survive(bytes, mode), "") << test::printable(bytes) << " mode " << mode;
}

TEST(RecordDamagedInput, SeededMutationsOfRealAndSyntheticGames) {
  std::vector<std::string> sources = {
      "(;GM[1]SZ[9]PB[b];B[cc]C[a\\]b];W[gg](;B[dd]TR[ee]LB[ff:X];W[])(;B[tt]AB[aa:bb]AE[cc]))",
      "(;GM[1](;B[aa];W[bb])(;B[cc]C[\xe6\x97\xa5]\xe8\xaa\x9e];W[dd]))",
      "(;GM[1]PB[\x8d\x95\x91\xce]HA[2]AB[dp][pd];W[qf]N[x]BL[10];B[qp]RU[jp])"};
  for (const char* name : {"gogamer__markers_compressed-lists.sgf", "gogamer__branch_nested-variations.sgf",
                           "gogamer__escape.sgf", "sgfc__escaping.sgf", "gnugo__13x13_GNGI1_variations.sgf",
                           "sgfc__reorder_variation-levels.sgf", "derived__hoensha_E18-7_cp932_no-CA.sgf"})
    if (auto bytes = readFileBytes(testing::corpusDir() / "variety" / name)) sources.push_back(*bytes);

  test::Mutator mutate("()[]\\;:");
  int failures = 0;
  for (int m = 0; m < 3000 && failures < 5; ++m) {
    const std::string bytes = mutate(sources[static_cast<std::size_t>(m) % sources.size()]);
    const std::string result = survive(bytes, m % 4);
    if (!result.empty()) {
      ++failures;
      ADD_FAILURE() << "mutant " << m << " mode " << m % 4 << ": " << result << "\ninput: " << test::printable(bytes);
    }
  }
}

}  // namespace
}  // namespace mokuza
