#include "render/design_images.h"

#include <QBuffer>
#include <QImageReader>

#include "core/document/design_fields.h"
#include "platform/user_files.h"

namespace mokuza::render {

QImage decodeImage(std::string_view bytes) {
  QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
  QBuffer buffer(&data);
  QImageReader reader(&buffer);
  reader.setAllocationLimit(kImageAllocationMaxMb);
  // Formats that decode scaled (JPEG) never hold more than the budget; others
  // are refused by the allocation limit before they take the memory.
  if (const QSize size = reader.size(); size.isValid() && double(size.width()) * size.height() > kImagePixelsMax)
    reader.setScaledSize(size.scaled(kImageSideMax, kImageSideMax, Qt::KeepAspectRatio));
  QImage image = reader.read();
  if (image.isNull() || image.width() <= 0 || image.height() <= 0) return {};
  return image.convertToFormat(QImage::Format_ARGB32);
}

QImage loadImageFile(const std::filesystem::path& path) {
  if (path.empty()) return {};
  const platform::FileRead read = platform::readUserFile(path, kImageFileMax);
  return read ? decodeImage(read.bytes) : QImage();
}

DesignImages loadDesignImages(const Design& design, const std::filesystem::path& programFolder) {
  DesignImages images;
  auto load = [&](FileField field, QImage& into) {
    const std::filesystem::path path = designFilePath(design, field, programFolder);
    into = loadImageFile(path);
    if (into.isNull()) images.missing.push_back(path);
  };
  if (designValue(design, DesignField::BackgroundExistence) >= 1) load(FileField::Background, images.background);
  if (designValue(design, DesignField::GobanTransparency) > 0) load(FileField::Goban, images.board);
  load(FileField::Star, images.star);
  load(FileField::BlackStone, images.black);
  load(FileField::WhiteStone, images.white);
  return images;
}

}  // namespace mokuza::render
