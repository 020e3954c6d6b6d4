#include "core/naming/move_classifier.h"
#include "core/record/bits.h"

#include <algorithm>

namespace mokuza::naming {

MoveClassifier::MoveClassifier()
    : moveFigure_(kMaxPositions, 0), moveName_(kMaxPositions), layerWritesEnd_(kMaxPositions, 0) {
  setFigureTable(FigureTable());
  layer_.fill(kNoFigure);
}

FigureLayerRow MoveClassifier::figureLayer(int move) const {
  FigureLayerRow row;
  row.fill(kNoFigure);
  const auto last = static_cast<std::size_t>(std::clamp(move, 0, layerKnown_));
  for (std::size_t i = 0; i < layerWritesEnd_[last]; ++i)
    row[BorderedPoint{layerWrites_[i].point}] = layerWrites_[i].figure;
  return row;
}

// Makes layer_, the layer after move layerKnown_, the layer after move - 1,
// and move's own writes empty.
void MoveClassifier::startLayerMove(int move) {
  const auto previous = static_cast<std::size_t>(move - 1);
  if (move - 1 < layerKnown_) {
    layer_.fill(kNoFigure);
    for (std::size_t i = 0; i < layerWritesEnd_[previous]; ++i)
      layer_[BorderedPoint{layerWrites_[i].point}] = layerWrites_[i].figure;
  }
  // Moves never named (while a search ran) wrote nothing.
  for (; layerKnown_ < move - 1; ++layerKnown_)
    layerWritesEnd_[static_cast<std::size_t>(layerKnown_) + 1] = layerWritesEnd_[static_cast<std::size_t>(layerKnown_)];
  layerWrites_.resize(layerWritesEnd_[previous]);
  layerWritesEnd_[previous + 1] = layerWritesEnd_[previous];
  layerKnown_ = move;
}

Evidence::Mask MoveClassifier::outranking(std::span<const Figure> stage, std::span<const Figure> takenAway) const {
  const auto among = [](std::span<const Figure> figures, int f) {
    return std::find(figures.begin(), figures.end(), f) != figures.end();
  };
  int top = kNoFigure;
  for (Figure f : stage) top = std::max(top, numbers_[f]);
  Evidence::Mask figures{};
  for (int f = 0; f < kFigureKindCount; ++f)
    if (numbers_[static_cast<std::size_t>(f)] > top && !among(stage, f) && !among(takenAway, f))
      figures[static_cast<std::size_t>(f) / 64] |= std::uint64_t{1} << (f % 64);
  return figures;
}

void MoveClassifier::setFigureTable(FigureTable table) {
  table_ = std::move(table);
  for (int f = 0; f < kFigureKindCount; ++f)
    numbers_[static_cast<std::size_t>(f)] = table_.find(kFigureNames[static_cast<std::size_t>(f)]);
  // Names differ, so no two figures share a number.
  std::array<Figure, kFigureKindCount> figures{};
  for (int f = 0; f < kFigureKindCount; ++f) figures[static_cast<std::size_t>(f)] = static_cast<Figure>(f);
  std::sort(figures.begin(), figures.end(), [this](Figure a, Figure b) { return numbers_[a] > numbers_[b]; });
  for (int f = 0; f < kFigureKindCount; ++f) {
    const int row = numbers_[static_cast<std::size_t>(f)];
    plainNames_[static_cast<std::size_t>(f)] = row == kNoFigure ? MoveName() : plainName(table_.name(row));
  }
  unmatchedName_ = plainName(table_.name(0));
  outranksFramework_ = outranking(kFrameworkFigures, kTakenAwayAfterFramework);
  outranksLate_ = outranking(kLateFigures, {});
  order_.rank.fill(kFigureKindCount);
  for (std::size_t r = 0; r < figures.size() && numbers_[figures[r]] != kNoFigure; ++r) {
    order_.rank[figures[r]] = static_cast<std::uint8_t>(r);
    order_.byRank[r] = figures[r];
  }
}

void MoveClassifier::beforeReplay(Board& /*board*/, int from) {
  if (searchActive) return;
  if (from <= 0) {
    longestName_ = 0;
    layerWrites_.clear();
    layerKnown_ = 0;
    layer_.fill(kNoFigure);
  }
  // Moves the replay does not reach (a shorter line) keep no name of before.
  // Past namedEnd_ they are empty already.
  const auto first = static_cast<std::size_t>(std::max(from, 1));
  if (first < namedEnd_) {
    std::fill(moveFigure_.begin() + static_cast<std::ptrdiff_t>(first),
              moveFigure_.begin() + static_cast<std::ptrdiff_t>(namedEnd_), 0);
    std::fill(moveName_.begin() + static_cast<std::ptrdiff_t>(first),
              moveName_.begin() + static_cast<std::ptrdiff_t>(namedEnd_), MoveName());
    namedEnd_ = first;
  }
}

void MoveClassifier::afterMove(Board& board, std::vector<MoveRecord>& line, int move) {
  ClassifyMove(board, line[static_cast<std::size_t>(move)], move);
}

void MoveClassifier::record(MoveRecord& moveRecord, int move, int figure, const MoveName& name,
                            std::span<const std::int16_t> figureStones) {
  moveFigure_[index(move)] = static_cast<std::int16_t>(figure);
  moveName_[index(move)] = name;
  namedEnd_ = std::max(namedEnd_, index(move) + 1);
  longestName_ = std::max(longestName_, name.length());
  moveRecord.setFigureStones(figureStones);
}

MOKUZA_CPU_CLONES void MoveClassifier::ClassifyMove(const Board& board, MoveRecord& moveRecord, int move) {
  if (searchActive || (moveinfo == 0 && kifunarabe == 0)) return;
  if (move <= 0 || move >= kMaxPositions) return;
  const auto m = static_cast<std::size_t>(move);
  startLayerMove(move);

  // A node without a move names nothing.
  if (!moveRecord.hasMove()) {
    record(moveRecord, move, 0, MoveName());
    return;
  }
  const GridGeometry& geo = board.geometry;
  const PlayGrid& grid = board.position.playGrid;
  const BorderedPoint played = geo.bordered(geo.recordPoint(moveRecord.point));
  const int p = played.index;
  const int own = played.isPass() ? kStoneEmpty : grid[played];
  // A pass, or a stone its own move took off the board. An empty chain list
  // can only mean the same, and is named alike rather than left unnamed.
  if (own != kStoneBlack && own != kStoneWhite) {
    record(moveRecord, move, 0, MoveName(kIllegalMoveName));
    return;
  }

  const PositionSlot& slot = board.slot(move);
  const PositionSlot& before = board.slot(move - 1);
  const std::vector<Chain>& chains = board.position.chains;
  if (!slot.capturedByMove.empty()) {
    const int id = slot.chainIds[played];
    const bool ko = slot.capturedByMove.size() == 1 && id >= 0 && id < static_cast<int>(chains.size()) &&
                    chains[static_cast<std::size_t>(id)].libertyCount() == 1;
    record(moveRecord, move, std::max(number(kTori), 0), captureName(static_cast<int>(slot.capturedByMove.size()), ko));
    return;
  }

  MoveContext c(board, slot.chainIds, before.chainCount, layer_);
  c.move = move;
  c.p = p;
  c.own = own;
  c.kakariFigure = number(kKakari);
  c.countNeighbours();

  evidence_.reset();
  addContacts(c, evidence_);
  addSquares(c, evidence_);
  findJumps(c);
  addLineTests(c, evidence_);
  if (!evidence_.anyUnvetoed(outranksFramework_)) addFrameworkTests(c, evidence_);
  addFightingTests(c, evidence_);
  if (!evidence_.anyUnvetoed(outranksLate_)) {
    addLateFightingTests(c, evidence_);
    addOpeningPoints(c, evidence_);
  }

  Figure kind = kNanameMikata;
  const PointSet* stones = evidence_.firstSurviving(
      p, order_, c.jumpFigures, [&c](Figure f, PointSet& into) { jumpStones(c, f, into); }, kind);
  if (!stones) {
    record(moveRecord, move, 0, unmatchedName_);
    return;
  }

  const int chosen = number(kind);
  std::array<std::int16_t, kGridCells> points;
  std::size_t pointCount = 0;
  stones->forEach([&](BorderedPoint b) {
    layer_[b] = static_cast<std::int16_t>(chosen);
    layerWrites_.push_back({static_cast<std::int16_t>(b.index), static_cast<std::int16_t>(chosen)});
    points[pointCount++] = static_cast<std::int16_t>(b.index);
  });
  layerWritesEnd_[m] = static_cast<std::uint32_t>(layerWrites_.size());
  const std::span<const std::int16_t> figureStones(points.data(), pointCount);
  if (hasCompoundName(kind)) {
    int nearest = -1;
    for (std::int16_t b : figureStones)
      if (nearest < 0 || manhattan(c, p, b) < manhattan(c, p, nearest)) nearest = b;
    record(moveRecord, move, chosen,
           compoundName(kind, plainNames_[kind].view(), shapeCode(c, p, nearest), c.height(p) == 4), figureStones);
  } else {
    record(moveRecord, move, chosen, plainNames_[kind], figureStones);
  }
}

}  // namespace mokuza::naming
