#include "playback/design_values.h"

namespace mokuza::playback {

int updateTime(const Document& doc) { return option(doc.globalOptions, GlobalOption::UpdateTime); }
bool autoNextFigure(const Document& doc) { return switchOn(doc.state.options, DocumentOption::AutoNextGame); }

}  // namespace mokuza::playback
