#pragma once
// The option values playback reads.

#include "core/document/document.h"

namespace mokuza::playback {

// The timer period in milliseconds (global option "update_time").
int updateTime(const Document& doc);
// "次譜自動再生": in replay mode a figure plays by itself.
bool autoNextFigure(const Document& doc);

}  // namespace mokuza::playback
