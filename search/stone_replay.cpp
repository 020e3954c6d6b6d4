#include "search/stone_replay.h"

#include <algorithm>

#include "core/rules/board.h"

namespace mokuza::search {

StoneBoard::StoneBoard(int n) : n_(isValidBoardSize(n) ? n : kDefaultBoardSize), width_(n_ + 2) {
  neighbours_ = {-width_, -1, 1, width_};
  cells_.fill(static_cast<std::int8_t>(kStoneFrame));
  for (int row = 1; row <= n_; ++row) {
    const auto start = cells_.begin() + row * width_ + 1;
    std::fill(start, start + n_, static_cast<std::int8_t>(kStoneEmpty));
  }
}

bool StoneBoard::touchesEmpty(int b) const {
  for (int offset : neighbours_)
    if (cells_[static_cast<std::size_t>(b + offset)] == kStoneEmpty) return true;
  return false;
}

bool StoneBoard::hasLiberty(int b) {
  if (++stamp_ == 0) {  // the stamps wrapped: forget every old mark
    seen_.fill(0);
    stamp_ = 1;
  }
  const int colour = cells_[static_cast<std::size_t>(b)];
  chain_[0] = static_cast<std::int16_t>(b);
  seen_[static_cast<std::size_t>(b)] = stamp_;
  int next = 0, end = 1;
  while (next < end) {
    const int s = chain_[static_cast<std::size_t>(next++)];
    for (int offset : neighbours_) {
      const auto q = static_cast<std::size_t>(s + offset);
      if (cells_[q] == kStoneEmpty) return true;
      if (cells_[q] == colour && seen_[q] != stamp_) {
        seen_[q] = stamp_;
        chain_[static_cast<std::size_t>(end++)] = static_cast<std::int16_t>(q);
      }
    }
  }
  chainLength_ = end;
  return false;
}

void StoneBoard::removeGathered() {
  for (int i = 0; i < chainLength_; ++i) {
    const int s = chain_[static_cast<std::size_t>(i)];
    cells_[static_cast<std::size_t>(s)] = kStoneEmpty;
    captures_[static_cast<std::size_t>(captureCount_++)] = static_cast<std::int16_t>(unbordered(s));
  }
}

void StoneBoard::place(int u, int c) {
  captureCount_ = 0;
  if (u < 0 || u >= n_ * n_ || (c != kStoneBlack && c != kStoneWhite)) return;
  const int b = bordered(u);
  cells_[static_cast<std::size_t>(b)] = static_cast<std::int8_t>(c);
  for (int offset : neighbours_) {
    const int q = b + offset;
    if (cells_[static_cast<std::size_t>(q)] == -c && !touchesEmpty(q) && !hasLiberty(q)) removeGathered();
  }
  if (!touchesEmpty(b) && !hasLiberty(b)) removeGathered();
}

}  // namespace mokuza::search
