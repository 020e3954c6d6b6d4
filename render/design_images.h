#pragma once
// The image files of a design, read once per rebuild.

#include <QImage>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/document/playlist_entry.h"

namespace mokuza::render {

struct DesignImages {
  QImage background;  // "背景画像"
  QImage board;       // "碁盤画像"
  QImage star;        // "星画像"
  QImage black;       // "黒石画像"
  QImage white;       // "白石画像"
  // Files the design names that could not be read; the painter draws
  // substitutes for them and the caller may say so.
  std::vector<std::filesystem::path> missing;
};

// Reads the images (as ARGB32). The background is read only when it is shown.
DesignImages loadDesignImages(const Design& design, const std::filesystem::path& programFolder);

// The largest image file a design may name.
constexpr std::uintmax_t kImageFileMax = std::uintmax_t{64} << 20;
// What one decoded image may take: a picture for a 4K screen, not a
// 5,600-pixel-square icon that would take hundreds of megabytes.
constexpr int kImageAllocationMaxMb = 48;
constexpr int kImageSideMax = 3840;
constexpr double kImagePixelsMax = double(kImageSideMax) * kImageSideMax;

// One image file as ARGB32; a null image when it cannot be read (not a
// regular file, larger than kImageFileMax, not an image).
QImage loadImageFile(const std::filesystem::path& path);

// The bytes of an image file as ARGB32; a null image when they hold none.
QImage decodeImage(std::string_view bytes);

}  // namespace mokuza::render
