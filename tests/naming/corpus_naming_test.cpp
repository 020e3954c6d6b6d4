// The classifier on real games: no crash, and every move gets a name the
// program can show, made of the stones on the board.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

#include "core/naming/move_name.h"
#include "core/record/text.h"
#include "tests/corpus_files.h"
#include "tests/naming/naming_test_support.h"

namespace mokuza::test {
namespace {

namespace fs = std::filesystem;

// Every text the classifier may show with the built-in table.
std::set<std::u16string> showableNames() {
  std::set<std::u16string> names{u"着手禁止点", u"コウトリ"};
  for (const naming::FigureRow& row : naming::builtInFigureRows())
    names.insert(std::u16string(naming::plainName(row.name).view()));
  for (std::u16string_view prefix :
       {u"一間", u"二間", u"三間", u"四間", u"五間", u"六間", u"小ゲイマ", u"大ゲイマ", u"大大ゲイマ"})
    for (std::u16string_view high : {u"", u"高"})
      for (std::u16string_view voiced : {u"ジマリ", u"ガカリ", u"バサミ", u"ビラキ"})
        names.insert(std::u16string(prefix) + std::u16string(high) + std::u16string(voiced));
  return names;
}

bool isCaptureName(std::u16string_view name) {
  constexpr std::u16string_view kSuffix = u"目トリ";
  if (name.size() <= kSuffix.size() || !name.ends_with(kSuffix)) return false;
  return std::all_of(name.begin(), name.end() - static_cast<std::ptrdiff_t>(kSuffix.size()),
                     [](char16_t c) { return c >= u'０' && c <= u'９'; });
}

// Every twentieth professional game by sorted path (a sample that keeps the
// sanitizer build quick).
TEST(CorpusNaming, EveryMoveOfRealGamesGetsAShowableName) {
  const fs::path folder = fs::path(MOKUZA_CORPUS_DIR) / "pro";
  if (!fs::is_directory(folder)) GTEST_SKIP() << "no corpus at " << folder;
  const std::vector<fs::path> files = corpusGames();

  const std::set<std::u16string> showable = showableNames();
  std::set<std::u16string> seen;
  int games = 0, moves = 0;
  NamedGame game;
  for (std::size_t i = 0; i < files.size(); i += 20) {
    const auto bytes = readFileBytes(files[i]);
    ASSERT_TRUE(bytes) << files[i];
    game.play(utf16ToUtf8(decodeBytes(*bytes, TextKind::GameRecord)));
    for (int m = 1; m <= game.last(); ++m) {
      const MoveRecord& move = game.line[static_cast<std::size_t>(m)];
      const std::u16string_view name = game.classifier.moveName(m);
      if (!move.hasMove()) {
        ASSERT_TRUE(name.empty()) << files[i] << " node " << m;
        continue;
      }
      ++moves;
      seen.insert(std::u16string(name));
      ASSERT_LE(name.size(), 19u);
      ASSERT_TRUE(showable.contains(std::u16string(name)) || isCaptureName(name))
          << files[i] << " move " << m << ": " << utf16ToUtf8(name);
      for (int b : move.figureStones()) {
        const int stone = game.board.history.playGrids[static_cast<std::size_t>(m)][BorderedPoint{b}];
        ASSERT_TRUE(stone == kStoneBlack || stone == kStoneWhite) << files[i] << " move " << m << " stone " << b;
      }
    }
    ++games;
  }
  EXPECT_GE(games, 100);
  EXPECT_GT(moves, 50 * games);
  // Real games use much of the vocabulary; a handful of names would mean most tests never fire.
  EXPECT_GT(seen.size(), 60u);
}

}  // namespace
}  // namespace mokuza::test
