#pragma once
// Helpers shared by the naming tests: a record read from SGF text and
// replayed with a classifier, its names as UTF-8, and points by SGF letters.

#include <string>
#include <string_view>
#include <vector>

#include "core/naming/figure_table.h"
#include "core/naming/move_classifier.h"
#include "core/record/game_record.h"
#include "core/rules/board.h"

namespace mokuza::test {

struct NamedGame {
  GameRecord record;
  Board board;
  naming::MoveClassifier classifier;
  std::vector<MoveRecord> line;

  NamedGame() = default;
  explicit NamedGame(naming::FigureTable table) { classifier.setFigureTable(std::move(table)); }

  // Reads the text, sizes the board and replays the main line from 0.
  void play(std::string_view sgf);
  int last() const { return board.history.computed() - 1; }
  std::string name(int move) const;
  std::string lastName() const { return name(last()); }
  // SGF letters of the stones recorded as the move's figure, sorted.
  std::vector<std::string> stones(int move) const;
};

// Names the last move of the record on each line of `golden`, a line being
// "<sgf> → <name>", or "<sgf> → <name> / <row>" when the figure chosen is a
// row of another name (figure 0, a capture, a parenthesised part). Returns
// the lines with what the classifier gives, for the test to compare with its
// input; other lines (comments) are copied.
std::string renamed(std::string_view golden, const naming::FigureTable& table = {});

// The bordered point of SGF letters on a 19 x 19 board.
BorderedPoint bordered19(std::string_view sgfPoint);

}  // namespace mokuza::test
