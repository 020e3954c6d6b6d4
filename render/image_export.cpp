#include "render/image_export.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>

#include "core/document/design_fields.h"
#include "render/design_images.h"

namespace mokuza::render {

platform::FileStatus saveImageFile(const std::filesystem::path& path, const QImage& image, const char* format,
                                   int quality) {
  // Encoded in memory first: the old file is replaced only by a whole picture.
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, format);
  writer.setQuality(quality);
  if (image.isNull() || !writer.write(image))
    return {platform::FileProblem::Failed, "cannot encode the picture for " + path.string()};
  return platform::writeUserFile(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

platform::FileStatus SaveBitmapAsJpeg(const std::filesystem::path& path, const QImage& image) {
  return saveImageFile(path, image.convertToFormat(QImage::Format_RGB32), "jpeg", 100);
}

namespace {

// Where a stone image is exported: "c_" + its name with ".png".
std::filesystem::path roundStoneOutput(const std::filesystem::path& folder, const std::filesystem::path& imageFile) {
  return folder / ("c_" + imageFile.stem().string() + ".png");
}

}  // namespace

platform::FileStatus SaveRoundStonePng(const std::filesystem::path& imageFile, int size,
                                       const std::filesystem::path& output) {
  const platform::FileRead read = platform::readUserFile(imageFile, kImageFileMax);
  if (!read) return read;
  const QImage source = decodeImage(read.bytes, size > 0 ? QSize(size, size) : QSize());
  if (source.isNull()) return {platform::FileProblem::Failed, imageFile.string() + " is not an image"};
  const int d = size > 0 ? size : source.width();
  QImage disc(d, d, QImage::Format_ARGB32);
  disc.fill(0x00ffffff);
  {
    QPainter painter(&disc);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    QPainterPath clip;
    clip.addEllipse(QRectF(0, 0, d, d));
    painter.setClipPath(clip);
    painter.drawImage(QRect(0, 0, d, d), source);
  }
  return saveImageFile(output, disc, "png");
}

ExportedFiles ExportBoardImage(const ExportCut& cut, const QImage& picture, const BoardGeometry& g,
                               const Design& design, const std::filesystem::path& programFolder,
                               const std::filesystem::path& folder) {
  ExportedFiles files;
  auto save = [&files](const std::filesystem::path& output, const platform::FileStatus& status) {
    if (status) files.written.push_back(output);
    else files.errors.push_back(status.error);
  };
  if (cut.choice == kOutputNone) return files;
  if (cut.choice == kOutputStonesCurrent || cut.choice == kOutputStonesSource) {
    const int size = cut.choice == kOutputStonesCurrent ? g.pitch : 0;
    for (FileField field : {FileField::BlackStone, FileField::WhiteStone}) {
      const std::filesystem::path file = designFilePath(design, field, programFolder);
      const std::filesystem::path output = roundStoneOutput(folder, file);
      save(output, SaveRoundStonePng(file, size, output));
    }
    return files;
  }
  const QImage part = cutPicture(cut, picture, g);
  if (part.isNull()) return files;
  const std::filesystem::path output = folder / "output.jpg";
  save(output, SaveBitmapAsJpeg(output, part));
  return files;
}

QImage cutPicture(const ExportCut& cut, const QImage& picture, const BoardGeometry& g) {
  const PixelRect r = exportRegion(cut, g);
  if (r.width <= 0 || r.height <= 0) return {};
  // Parts outside the picture (a cut reaching past the window) come out white.
  QImage part(r.width, r.height, QImage::Format_RGB32);
  part.fill(Qt::white);
  QPainter painter(&part);
  painter.drawImage(QPoint(0, 0), picture, QRect(r.x, r.y, r.width, r.height));
  painter.end();
  return part;
}

}  // namespace mokuza::render
