#include "render/render_state.h"

namespace mokuza::render {

int documentOption(const RenderState& s, DocumentOption which) {
  return s.doc == nullptr ? optionInfo(which).initial : option(s.doc->state.options, which);
}

int textScale(const RenderState& s) { return documentOption(s, DocumentOption::TextSize) + 1; }
bool searchShown(const RenderState& s) { return s.search != nullptr && s.search->shown; }

}  // namespace mokuza::render
