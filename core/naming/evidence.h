#pragma once
// The evidence of one move: per figure the stones that make it (match) and
// the points that speak against it (veto), as bordered points. Only the figures a move touched
// are cleared for the next move, which keeps the per-move cost small.

#include <array>
#include <bit>
#include <cstdint>

#include "core/naming/figures.h"
#include "core/rules/point_set.h"

namespace mokuza::naming {

// Figures by the number the figure table gives them, highest first; a
// figure the table lacks has rank kFigureKindCount and is never chosen.
struct FigureOrder {
  std::array<std::uint8_t, kFigureKindCount> rank{};
  std::array<Figure, kFigureKindCount> byRank{};
};

class Evidence {
 public:
  using Mask = std::array<std::uint64_t, (kFigureKindCount + 63) / 64>;

  // Only vetoed figures have points in their veto.
  void reset() {
    forEachIn(touched_, [this](std::size_t f) { match_[f].clear(); });
    forEachIn(vetoed_, [this](std::size_t f) { veto_[f].clear(); });
    touched_ = {};
    vetoed_ = {};
  }

  const PointSet& match(Figure f) const { return match_[f]; }
  const PointSet& veto(Figure f) const { return veto_[f]; }
  bool has(Figure f) const { return touched(f) && !match_[f].empty(); }
  int count(Figure f) const { return touched(f) ? match_[f].size() : 0; }
  bool matches(Figure f, int b) const { return touched(f) && match_[f].contains({b}); }
  bool vetoes(Figure f, int b) const { return touched(f) && veto_[f].contains({b}); }

  void add(Figure f, int b) { mutableMatch(f).insert({b}); }
  // add(f, b) when `when` holds, without a branch that the board would make unpredictable.
  void addIf(Figure f, int b, bool when) {
    touched_[f / 64] |= bitIf(when, f % 64);
    match_[f].insertIf({b}, when);
  }
  void addAll(Figure f, const PointSet& points) { mutableMatch(f) |= points; }
  void setMatch(Figure f, const PointSet& points) { mutableMatch(f) = points; }
  void clearMatch(Figure f) {
    if (touched(f)) match_[f].clear();
  }
  void addVeto(Figure f, int b) {
    touch(f);
    vetoed_[f / 64] |= std::uint64_t{1} << (f % 64);
    veto_[f].insert({b});
  }

  // Whether a figure of `figures` has stones and no veto yet.
  bool anyUnvetoed(const Mask& figures) const {
    for (std::size_t word = 0; word < figures.size(); ++word)
      for (std::uint64_t bits = figures[word] & touched_[word] & ~vetoed_[word]; bits; bits &= bits - 1)
        if (!match_[word * 64 + static_cast<std::size_t>(std::countr_zero(bits))].empty()) return true;
    return false;
  }

  // The figure first in `order` whose stones are left once its vetoed
  // points are taken out (none when the played point is vetoed), and those
  // stones; nullptr when no figure of the order is left with stones.
  // Besides the evidence gathered, `others` marks figures numbered below 64
  // that may have stones and no veto, given by stonesOf(figure, set) on
  // demand; one given no stones is passed over.
  template <typename StonesOf>
  const PointSet* firstSurviving(int played, const FigureOrder& order, std::uint64_t others, StonesOf&& stonesOf,
                                 Figure& found) {
    Mask ranked{};
    const auto rank = [&](std::size_t f) {
      const std::size_t r = order.rank[f];
      if (r < kFigureKindCount) ranked[r / 64] |= std::uint64_t{1} << (r % 64);
    };
    forEachIn(touched_, rank);
    forEachIn(Mask{others}, rank);
    for (std::size_t word = 0; word < ranked.size(); ++word)
      for (std::uint64_t bits = ranked[word]; bits; bits &= bits - 1) {
        const Figure f = order.byRank[word * 64 + static_cast<std::size_t>(std::countr_zero(bits))];
        if (f < 64 && ((others >> f) & 1u)) {
          given_.clear();
          stonesOf(f, given_);
          if (!given_.empty()) {
            found = f;
            return &given_;
          }
        }
        PointSet& m = match_[f];
        if (isSet(vetoed_, f)) {
          const PointSet& v = veto_[f];
          if (v.contains({played})) continue;
          m.subtract(v);
        }
        if (!m.empty()) {
          found = f;
          return &m;
        }
      }
    return nullptr;
  }

 private:
  template <typename F>
  static void forEachIn(const Mask& mask, F&& f) {
    for (std::size_t word = 0; word < mask.size(); ++word)
      forEachBit(mask[word], [&](int n) { f(word * 64 + static_cast<std::size_t>(n)); });
  }
  static bool isSet(const Mask& mask, std::size_t f) { return (mask[f / 64] >> (f % 64)) & 1u; }
  bool touched(int f) const { return isSet(touched_, static_cast<std::size_t>(f)); }
  void touch(Figure f) { touched_[f / 64] |= std::uint64_t{1} << (f % 64); }
  PointSet& mutableMatch(Figure f) {
    touch(f);
    return match_[f];
  }

  std::array<PointSet, kFigureKindCount> match_{};
  std::array<PointSet, kFigureKindCount> veto_{};
  Mask touched_{};
  Mask vetoed_{};   // figures with a veto, the only ones the choice must subtract from
  PointSet given_;  // the stones of a figure given from elsewhere
};

}  // namespace mokuza::naming
