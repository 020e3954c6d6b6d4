#pragma once
// The text shown for a named move, kept in a fixed cell so that naming a
// move allocates nothing.

#include <array>
#include <cstdint>
#include <string_view>

#include "core/naming/figures.h"

namespace mokuza::naming {

// At most this many UTF-16 units are shown; longer names are cut.
constexpr int kMoveNameCapacity = 19;

class MoveName {
 public:
  MoveName() = default;
  explicit MoveName(std::u16string_view text) { append(text); }

  std::u16string_view view() const { return {text_.data(), length_}; }
  int length() const { return length_; }
  bool empty() const { return length_ == 0; }
  // Appends what fits, never splitting a surrogate pair.
  void append(std::u16string_view text);
  void append(char16_t c) { append(std::u16string_view(&c, 1)); }

 private:
  std::array<char16_t, kMoveNameCapacity + 1> text_{};
  std::uint8_t length_ = 0;
};

// "コウトリ" for a ko capture, else "%s目トリ" with the count in full-width digits.
MoveName captureName(int captured, bool ko);

// A figure's name without its parenthesised parts: "ツケ（筋場）" shows as "ツケ".
MoveName plainName(std::u16string_view figureName);

// The name of a corner or side move by the distance to its partner stone:
// "小ゲイマジマリ", "一間高ガカリ", "二間ビラキ". `shape` is the shape code
// between the two stones; `fourthLine` whether the played stone is on it,
// which adds "高" ("一間高ジマリ").
// A pincer counts the spaces along the side only: one line up is what "高"
// says ("一間高バサミ", not a knight's move). The plain name when the
// distance has no prefix or the figure no compound.
MoveName compoundName(Figure figure, std::u16string_view plain, int shape, bool fourthLine);
// The figures compoundName may name otherwise than plainly.
constexpr bool hasCompoundName(Figure figure) {
  return figure == kShimari || figure == kKakari || figure == kHasami || figure == kHiraki;
}

}  // namespace mokuza::naming
