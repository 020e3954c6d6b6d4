#pragma once
// The image files of a design, read once per rebuild.

#include <QImage>
#include <filesystem>
#include <string>
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
DesignImages LoadDesignImages(const Design& design, const std::filesystem::path& programFolder);

// One image file as ARGB32; a null image when it cannot be read.
QImage loadImageFile(const std::filesystem::path& path);

}  // namespace mokuza::render
