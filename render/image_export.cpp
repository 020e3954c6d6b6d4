#include "render/image_export.h"

#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>

#include "render/design_images.h"
#include "render/design_reading.h"

namespace mokuza::render {
namespace {

QString qtPath(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

}  // namespace

bool SaveBitmapAsJpeg(const std::filesystem::path& path, const QImage& image) {
  if (image.isNull()) return false;
  QImageWriter writer(qtPath(path), "jpeg");
  writer.setQuality(100);
  return writer.write(image.convertToFormat(QImage::Format_RGB32));
}

std::filesystem::path roundStoneOutput(const std::filesystem::path& folder, const std::filesystem::path& imageFile) {
  return folder / ("c_" + imageFile.stem().string() + ".png");
}

bool SaveRoundStonePng(const std::filesystem::path& imageFile, int size, const std::filesystem::path& output) {
  const QImage source = loadImageFile(imageFile);
  if (source.isNull()) return false;
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
  QImageWriter writer(qtPath(output), "png");
  return writer.write(disc);
}

std::vector<std::filesystem::path> ExportBoardImage(const ExportCut& cut, const QImage& picture, const BoardGeometry& g,
                                                    const Design& design, const std::filesystem::path& programFolder,
                                                    const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> written;
  if (cut.choice == kOutputNone) return written;
  if (cut.choice == kOutputStonesCurrent || cut.choice == kOutputStonesSource) {
    const int size = cut.choice == kOutputStonesCurrent ? g.pitch : 0;
    for (std::u16string_view label : {u"黒石画像", u"白石画像"}) {
      const std::filesystem::path file = designFilePath(design, label, programFolder);
      const std::filesystem::path output = roundStoneOutput(folder, file);
      if (SaveRoundStonePng(file, size, output)) written.push_back(output);
    }
    return written;
  }
  const PixelRect r = ExportRegion(cut, g);
  if (r.width <= 0 || r.height <= 0) return written;
  // Parts outside the picture (a cut reaching past the window) come out white.
  QImage part(r.width, r.height, QImage::Format_RGB32);
  part.fill(Qt::white);
  {
    QPainter painter(&part);
    painter.drawImage(QPoint(0, 0), picture, QRect(r.x, r.y, r.width, r.height));
  }
  const std::filesystem::path output = folder / "output.jpg";
  if (SaveBitmapAsJpeg(output, part)) written.push_back(output);
  return written;
}

}  // namespace mokuza::render
