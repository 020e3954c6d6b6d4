#include "tests/naming/naming_test_support.h"

#include <algorithm>
#include <sstream>

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

BorderedPoint bordered19(std::string_view sgfPoint) {
  return makeGridGeometry(19).bordered(decodeSgfPoint(sgfPoint, 19));
}

std::string renamed(std::string_view golden, const naming::FigureTable& table) {
  constexpr std::string_view kArrow = " → ";
  std::string out;
  std::istringstream lines{std::string(golden)};
  for (std::string line; std::getline(lines, line);) {
    const std::size_t arrow = line.find(kArrow);
    if (arrow != std::string::npos) {
      NamedGame game(table);
      game.play(line.substr(0, arrow));
      const std::string name = game.lastName();
      const std::string row = utf16ToUtf8(table.name(game.classifier.moveFigure(game.last())));
      line = line.substr(0, arrow + kArrow.size()) + name + (row == name ? "" : " / " + row);
    }
    out += line + "\n";
  }
  return out;
}

}  // namespace mokuza::test
