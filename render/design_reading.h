#pragma once
// The design values and files the painter reads, with the initial design's
// values for anything the design does not hold.

#include <cstdint>
#include <filesystem>
#include <string_view>

#include "core/document/playlist_entry.h"

namespace mokuza::render {

// An integer design field or display option; unset ones have their initial value.
std::int32_t designValue(const Design& design, std::u16string_view label);

// A design file ("黒石画像", ...) as a path: "\" and "/" both separate, and a
// relative path is taken from the program folder.
std::filesystem::path designFilePath(const Design& design, std::u16string_view label,
                                     const std::filesystem::path& programFolder);

}  // namespace mokuza::render
