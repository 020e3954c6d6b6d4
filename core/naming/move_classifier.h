#pragma once
// Names every played move with a Go term of the figure table, as the replay
// goes: the chosen figure, the text shown, the stones that make the figure,
// and a layer of figure numbers per point.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "core/naming/evidence.h"
#include "core/naming/figure_table.h"
#include "core/naming/figures.h"
#include "core/naming/move_context.h"
#include "core/naming/move_name.h"
#include "core/rules/replay.h"

namespace mokuza::naming {

inline constexpr std::u16string_view kIllegalMoveName = u"着手禁止点";

class MoveClassifier final : public ReplayObserver {
 public:
  MoveClassifier();

  // Set by the caller. While the partial-board search runs, replays of other
  // games must leave the names of the shown game alone; with both display
  // options at 0 no name is shown, so none is made.
  bool searchActive = false;
  int moveinfo = 0;
  int kifunarabe = -1;

  const FigureTable& figureTable() const { return table_; }
  // Names made from now on use this table; the figures are found by name.
  void setFigureTable(FigureTable table);

  // Per position 1 .. kMaxPositions - 1; position 0 and unnamed moves have
  // figure 0 and an empty name.
  int moveFigure(int move) const { return moveFigure_[index(move)]; }
  std::u16string_view moveName(int move) const { return moveName_[index(move)].view(); }
  // The figure each stone was last named in, after move `move` (the last
  // move named, beyond it).
  FigureLayerRow figureLayer(int move) const;
  // The longest name made since the last replay from position 0.
  int longestName() const { return longestName_; }

  void beforeReplay(Board& board, int from) override;
  void afterMove(Board& board, std::vector<MoveRecord>& line, int move) override;

  // Names move `move` of `record` from the position the board holds after it.
  void ClassifyMove(const Board& board, MoveRecord& record, int move);

 private:
  static std::size_t index(int move) { return static_cast<std::size_t>(move < 0 || move >= kMaxPositions ? 0 : move); }
  int number(Figure f) const { return numbers_[f]; }
  // The figures the table ranks above every figure of the stage, neither of
  // the stage nor among those later stages take away.
  Evidence::Mask outranking(std::span<const Figure> stage, std::span<const Figure> takenAway) const;
  void record(MoveRecord& record, int move, int figure, const MoveName& name,
              std::span<const std::int16_t> figureStones = {});

  FigureTable table_;
  std::array<int, kFigureKindCount> numbers_{};  // figure number of each term, kNoFigure when the table lacks it
  FigureOrder order_;                            // the same, as the order the choice tries the figures in
  // Figures that, once they have stones and no veto before the framework
  // stage or the late stages, make sure none of theirs is chosen.
  Evidence::Mask outranksFramework_{};
  Evidence::Mask outranksLate_{};
  // The names shown, made once per table: the plain name of each term, and
  // of row 0 for a move no figure fits.
  std::array<MoveName, kFigureKindCount> plainNames_{};
  MoveName unmatchedName_;
  Evidence evidence_;
  std::vector<std::int16_t> moveFigure_;
  std::vector<MoveName> moveName_;
  std::size_t namedEnd_ = 0;  // one past the last move given a figure or name; the rest are empty
  // The figure layer, kept as the stones each move wrote into it and the
  // layer after the move named last: a row per move would be copied at
  // every move.
  struct LayerWrite {
    std::int16_t point;
    std::int16_t figure;
  };
  void startLayerMove(int move);
  std::vector<LayerWrite> layerWrites_;
  std::vector<std::uint32_t> layerWritesEnd_;  // by move, one past its writes; set up to layerKnown_
  int layerKnown_ = 0;
  FigureLayerRow layer_{};  // the layer after move layerKnown_
  int longestName_ = 0;
};

}  // namespace mokuza::naming
