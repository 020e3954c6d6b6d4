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

class Evidence {
 public:
  void reset() {
    forEachTouched([this](std::size_t f) {
      match_[f].clear();
      veto_[f].clear();
    });
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

  // Takes the vetoed points out of every figure (all of it when the played
  // point is vetoed) and calls f(figure, stones) for each one left with stones.
  template <typename F>
  void forEachSurviving(int played, F&& f) {
    forEachTouched([&](std::size_t i) {
      PointSet& m = match_[i];
      if (isSet(vetoed_, i)) {
        const PointSet& v = veto_[i];
        if (v.contains({played})) return;
        m.subtract(v);
      }
      if (!m.empty()) f(static_cast<Figure>(i), m);
    });
  }

 private:
  template <typename F>
  void forEachTouched(F&& f) const {
    for (std::size_t word = 0; word < touched_.size(); ++word)
      for (std::uint64_t bits = touched_[word]; bits; bits &= bits - 1)
        f(word * 64 + static_cast<std::size_t>(std::countr_zero(bits)));
  }
  using Mask = std::array<std::uint64_t, (kFigureKindCount + 63) / 64>;
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
  Mask vetoed_{};  // figures with a veto, the only ones the choice must subtract from
};

}  // namespace mokuza::naming
