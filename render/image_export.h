#pragma once
// Writes the board as "output.jpg", or the two stone images as round PNGs,
// as the setting "imgoutput" chooses.

#include <QImage>
#include <filesystem>
#include <string>
#include <vector>

#include "core/document/playlist_entry.h"
#include "platform/user_files.h"
#include "render/export_region.h"

namespace mokuza::render {

// Encodes the image ("png", or "jpeg" at `quality`) and writes the bytes
// through platform::writeUserFile.
platform::FileStatus saveImageFile(const std::filesystem::path& path, const QImage& image, const char* format,
                                   int quality = -1);

// Saves as JPEG at quality 100.
platform::FileStatus SaveBitmapAsJpeg(const std::filesystem::path& path, const QImage& image);

// The image file cut to a disc of diameter `size` (0: the image's width),
// saved as PNG with transparent corners.
platform::FileStatus SaveRoundStonePng(const std::filesystem::path& imageFile, int size,
                                       const std::filesystem::path& output);

struct ExportedFiles {
  std::vector<std::filesystem::path> written;
  std::vector<std::string> errors;  // why a file was not written
};

// Writes what `cut.choice` asks for into `folder` from the composed picture;
// stone images are taken from the design's files (relative ones from the
// program folder).
ExportedFiles ExportBoardImage(const ExportCut& cut, const QImage& picture, const BoardGeometry& g,
                               const Design& design, const std::filesystem::path& programFolder,
                               const std::filesystem::path& folder);

// The part of the composed picture a board cut holds; a null image for the
// stone choices, "なし" and a cut of no area.
QImage cutPicture(const ExportCut& cut, const QImage& picture, const BoardGeometry& g);

}  // namespace mokuza::render
