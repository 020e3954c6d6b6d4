#include "tests/naming/naming_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/record/sgf_point.h"
#include "core/record/sgf_reader.h"
#include "core/record/text.h"
#include "core/rules/replay.h"

namespace mokuza::test {

void NamedGame::play(std::string_view sgf) {
  ReadOptions options;
  readSgf(record, utf8ToUtf16(sgf), options);
  rebuildCurrentLine(record);
  line = record.lineCopy;
  SetBoardSize(board, record.boardSize);
  ReplayFrom(board, line, 0, {&classifier});
}

std::string NamedGame::name(int move) const { return utf16ToUtf8(classifier.moveName(move)); }

std::vector<std::string> NamedGame::stones(int move) const {
  std::vector<std::string> names;
  for (int b : line.at(static_cast<std::size_t>(move)).figureStones())
    names.push_back(sgfLetters<char>(board.geometry.unbordered(BorderedPoint{b}), board.geometry.n));
  std::sort(names.begin(), names.end());
  return names;
}

std::string lastName(std::string_view sgf) {
  NamedGame game;
  game.play(sgf);
  return game.lastName();
}

std::string lastName(std::string_view sgf, const naming::FigureTable& table) {
  NamedGame game(table);
  game.play(sgf);
  return game.lastName();
}

naming::FigureTable tableWith(std::initializer_list<std::u16string_view> extraNames) {
  std::vector<naming::FigureRow> rows = naming::builtInFigureRows();
  for (std::u16string_view name : extraNames) rows.push_back({std::u16string(name), {}, naming::kDefaultFigureMusic});
  return naming::FigureTable(std::move(rows));
}

BorderedPoint bordered19(std::string_view sgfPoint) {
  return makeGridGeometry(19).bordered(decodeSgfPoint(sgfPoint, 19));
}

void expectNames(std::initializer_list<NameCase> cases, const naming::FigureTable& table) {
  for (const NameCase& c : cases) EXPECT_EQ(lastName(c.sgf, table), c.name) << c.what << ": " << c.sgf;
}

}  // namespace mokuza::test
