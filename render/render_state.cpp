#include "render/render_state.h"

#include <algorithm>

namespace mokuza::render {

int documentOption(const RenderState& s, std::string_view key, int fallback) {
  return s.doc == nullptr ? fallback : optionValue(s.doc->state.options, key, fallback);
}

int textScale(const RenderState& s) { return std::clamp(documentOption(s, "textsize", 2), 1, 4) + 1; }
bool searchShown(const RenderState& s) { return s.search != nullptr && s.search->shown; }

}  // namespace mokuza::render
