#pragma once
// GameRecord to SGF text.

#include <string>
#include <string_view>

#include "core/record/game_record.h"
#include "core/record/program_version.h"

namespace mokuza {

// The identifier and the value with '\' and ']' escaped; empty when either is empty.
std::u16string formatProperty(std::u16string_view id, std::u16string_view value);

// The whole game as SGF text with line feeds.
std::u16string writeSgf(const GameRecord& record);

}  // namespace mokuza
