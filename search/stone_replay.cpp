#include "search/stone_replay.h"

#include "core/rules/board.h"

namespace mokuza::search {

StoneBoard::StoneBoard(int n) : n_(isValidBoardSize(n) ? n : kDefaultBoardSize), width_(n_ + 2) {
  neighbours_ = {-width_, -1, 1, width_};
  cells_.fill(static_cast<std::int8_t>(kStoneFrame));
  for (int u = 0; u < n_ * n_; ++u) cells_[static_cast<std::size_t>(bordered(u))] = kStoneEmpty;
  captures_.reserve(kMaxBoardPoints);
}

void StoneBoard::setStone(int b, int c) {
  cells_[static_cast<std::size_t>(b)] = static_cast<std::int8_t>(c);
  const auto u = static_cast<std::size_t>(unbordered(b));
  black_.set(u, c == kStoneBlack);
  white_.set(u, c == kStoneWhite);
}

bool StoneBoard::gatherChain(int b) {
  if (++stamp_ == 0) {  // the stamps wrapped: forget every old mark
    seen_.fill(0);
    stamp_ = 1;
  }
  const int colour = cells_[static_cast<std::size_t>(b)];
  bool liberty = false;
  chainLength_ = 0;
  chain_[0] = static_cast<std::int16_t>(b);
  seen_[static_cast<std::size_t>(b)] = stamp_;
  int next = 0, end = 1;
  while (next < end) {
    const int s = chain_[static_cast<std::size_t>(next++)];
    for (int offset : neighbours_) {
      const auto q = static_cast<std::size_t>(s + offset);
      if (seen_[q] == stamp_) continue;
      if (cells_[q] == kStoneEmpty) {
        liberty = true;
      } else if (cells_[q] == colour) {
        seen_[q] = stamp_;
        chain_[static_cast<std::size_t>(end++)] = static_cast<std::int16_t>(q);
      }
    }
  }
  chainLength_ = end;
  return liberty;
}

void StoneBoard::removeGathered() {
  for (int i = 0; i < chainLength_; ++i) {
    const int s = chain_[static_cast<std::size_t>(i)];
    setStone(s, kStoneEmpty);
    captures_.push_back(unbordered(s));
  }
}

void StoneBoard::place(int u, int c) {
  captures_.clear();
  if (u < 0 || u >= n_ * n_ || (c != kStoneBlack && c != kStoneWhite)) return;
  const int b = bordered(u);
  setStone(b, c);
  for (int offset : neighbours_) {
    const int q = b + offset;
    if (cells_[static_cast<std::size_t>(q)] == -c && !gatherChain(q)) removeGathered();
  }
  if (!gatherChain(b)) removeGathered();
}

}  // namespace mokuza::search
