#include "render/design_images.h"

#include <QBuffer>
#include <QImageReader>

#include "platform/user_files.h"
#include "render/design_reading.h"

namespace mokuza::render {

QImage decodeImage(std::string_view bytes) {
  QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
  QBuffer buffer(&data);
  QImage image = QImageReader(&buffer).read();
  if (image.isNull() || image.width() <= 0 || image.height() <= 0) return {};
  return image.convertToFormat(QImage::Format_ARGB32);
}

QImage loadImageFile(const std::filesystem::path& path) {
  if (path.empty()) return {};
  const platform::FileRead read = platform::readUserFile(path, kImageFileMax);
  return read ? decodeImage(read.bytes) : QImage();
}

DesignImages LoadDesignImages(const Design& design, const std::filesystem::path& programFolder) {
  DesignImages images;
  auto load = [&](std::u16string_view label, QImage& into) {
    const std::filesystem::path path = designFilePath(design, label, programFolder);
    into = loadImageFile(path);
    if (into.isNull()) images.missing.push_back(path);
  };
  if (designValue(design, u"背景画像表示") >= 1) load(u"背景画像", images.background);
  if (designValue(design, u"碁盤透明度") > 0) load(u"碁盤画像", images.board);
  load(u"星画像", images.star);
  load(u"黒石画像", images.black);
  load(u"白石画像", images.white);
  return images;
}

}  // namespace mokuza::render
