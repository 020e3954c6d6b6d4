#include "core/naming/move_name.h"

#include <string>

namespace mokuza::naming {
namespace {

bool isHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool isOpening(char16_t c) { return c == u'（' || c == u'('; }
bool isClosing(char16_t c) { return c == u'）' || c == u')'; }

std::u16string_view distancePrefix(int shape) {
  switch (shape) {
    case 201: return u"小ゲイマ";
    case 301: return u"大ゲイマ";
    case 401: return u"大大ゲイマ";
    default: break;
  }
  if (shape % 100 != 0) return {};
  static constexpr std::array<std::u16string_view, 6> kJumps{u"一間", u"二間", u"三間", u"四間", u"五間", u"六間"};
  const int index = shape / 100 - 2;
  return index >= 0 && index < static_cast<int>(kJumps.size()) ? kJumps[static_cast<std::size_t>(index)]
                                                               : std::u16string_view();
}

}  // namespace

void MoveName::append(std::u16string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool pair = isHighSurrogate(text[i]) && i + 1 < text.size();
    const int need = pair ? 2 : 1;
    if (length_ + need > kMoveNameCapacity) return;
    text_[length_++] = text[i];
    if (pair) text_[length_++] = text[++i];
  }
}

MoveName captureName(int captured, bool ko) {
  if (ko) return MoveName(u"コウトリ");
  MoveName name;
  for (char digit : std::to_string(captured)) name.append(static_cast<char16_t>(u'０' + (digit - '0')));
  name.append(u"目トリ");
  return name;
}

MoveName plainName(std::u16string_view figureName) {
  MoveName name;
  for (std::size_t i = 0; i < figureName.size(); ++i) {
    if (isOpening(figureName[i])) {
      std::size_t close = i + 1;
      while (close < figureName.size() && !isClosing(figureName[close])) ++close;
      if (close < figureName.size()) {
        i = close;
        continue;
      }
    }
    name.append(figureName[i]);
  }
  return name;
}

MoveName compoundName(Figure figure, std::u16string_view plain, int shape, bool fourthLine) {
  std::u16string_view voiced;
  switch (figure) {
    case kShimari: voiced = u"ジマリ"; break;
    case kKakari: voiced = u"ガカリ"; break;
    case kHasami:
      voiced = u"バサミ";
      shape -= shape % 100;
      break;
    case kHiraki: voiced = u"ビラキ"; break;
    default: return MoveName(plain);
  }
  const std::u16string_view prefix = distancePrefix(shape);
  if (prefix.empty()) return MoveName(plain);
  MoveName name(prefix);
  if (fourthLine) name.append(u"高");
  name.append(voiced);
  return name;
}

}  // namespace mokuza::naming
