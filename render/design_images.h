#pragma once
// The image files of a design, read once per rebuild, and the one reader
// every image of the program goes through.

#include <QImage>
#include <QSize>
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

// The largest box each image of a design is drawn into.
struct DesignImageSizes {
  QSize background;
  QSize board;
  QSize star;
  QSize stone;
};

// Reads the images (as ARGB32), each no larger than it is drawn. The
// background is read only when it is shown.
DesignImages loadDesignImages(const Design& design, const std::filesystem::path& programFolder,
                              const DesignImageSizes& drawn);

// The largest image file a design may name.
constexpr std::uintmax_t kImageFileMax = std::uintmax_t{64} << 20;
// What one decoded image may take: a picture for a 4K screen, not a
// 5,600-pixel-square icon that would take hundreds of megabytes.
constexpr int kImageAllocationMaxMb = 48;
constexpr int kImageSideMax = 3840;

// The size an image of `source` pixels is kept at to be drawn into `drawn`:
// scaled down, keeping its aspect ratio, to the smallest size that still
// covers `drawn` (so the drawing loses no detail), never up, and never over
// kImageSideMax on a side. An empty `drawn` asks for the whole image.
QSize keptImageSize(QSize source, QSize drawn);

// One image file as ARGB32 at keptImageSize(its size, drawn); a null image
// when it cannot be read (not a regular file, larger than kImageFileMax, not
// an image, more than kImageAllocationMaxMb to decode).
QImage loadImageFile(const std::filesystem::path& path, QSize drawn);

// The bytes of an image file, read as loadImageFile reads them.
QImage decodeImage(std::string_view bytes, QSize drawn);

}  // namespace mokuza::render
