#include "render/design_images.h"

#include <QBuffer>
#include <QImageReader>
#include <algorithm>
#include <cmath>

#include "core/document/design_fields.h"
#include "platform/user_files.h"

namespace mokuza::render {

QSize keptImageSize(QSize source, QSize drawn) {
  if (source.isEmpty()) return source;
  const double w = source.width(), h = source.height();
  double scale = std::min(1.0, kImageSideMax / std::max(w, h));
  if (!drawn.isEmpty()) scale = std::min(scale, std::max(drawn.width() / w, drawn.height() / h));
  if (scale >= 1) return source;
  // Rounded up (less a hair of floating-point error) so the kept image still covers the box.
  const auto side = [scale](double s) { return std::max(1, static_cast<int>(std::ceil(s * scale - 1e-6))); };
  return {side(w), side(h)};
}

namespace {

// A whole image brought down to `kept`: sampled first to eight pixels a side
// for each kept one, which averaging then smooths, so the cost follows the
// kept size rather than the file's.
QImage scaledDown(const QImage& image, QSize kept) {
  const QSize sampled = kept * 8;
  const QImage source = image.width() > sampled.width() && image.height() > sampled.height()
                            ? image.scaled(sampled, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                            : image;
  return source.scaled(kept, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace

QImage decodeImage(std::string_view bytes, QSize drawn) {
  QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
  QBuffer buffer(&data);
  QImageReader reader(&buffer);
  // The limit counts four bytes a pixel of what the decoder allocates: the
  // whole image for every format but JPEG, which decodes scaled.
  reader.setAllocationLimit(kImageAllocationMaxMb);
  // An image that does not say its size cannot be bounded before it is decoded.
  const QSize source = reader.size();
  if (source.isEmpty()) return {};
  const QSize kept = keptImageSize(source, drawn);
  if (reader.format() == "jpeg") reader.setScaledSize(kept);
  QImage image = reader.read();
  if (image.isNull() || image.width() <= 0 || image.height() <= 0) return {};
  if (image.size() != kept) image = scaledDown(image, kept);
  return image.convertToFormat(QImage::Format_ARGB32);
}

QImage loadImageFile(const std::filesystem::path& path, QSize drawn) {
  if (path.empty()) return {};
  const platform::FileRead read = platform::readUserFile(path, kImageFileMax);
  return read ? decodeImage(read.bytes, drawn) : QImage();
}

DesignImages loadDesignImages(const Design& design, const std::filesystem::path& programFolder,
                              const DesignImageSizes& drawn) {
  DesignImages images;
  auto load = [&](FileField field, QImage& into, QSize size) {
    const std::filesystem::path path = designFilePath(design, field, programFolder);
    into = loadImageFile(path, size);
    if (into.isNull()) images.missing.push_back(path);
  };
  if (designValue(design, DesignField::BackgroundExistence) >= 1)
    load(FileField::Background, images.background, drawn.background);
  if (designValue(design, DesignField::GobanTransparency) > 0) load(FileField::Goban, images.board, drawn.board);
  load(FileField::Star, images.star, drawn.star);
  load(FileField::BlackStone, images.black, drawn.stone);
  load(FileField::WhiteStone, images.white, drawn.stone);
  return images;
}

}  // namespace mokuza::render
