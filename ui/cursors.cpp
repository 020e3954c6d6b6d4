#include "ui/cursors.h"

#include <QPixmap>

#include "render/design_images.h"

namespace mokuza::ui {
namespace {

// Read like every image of the program, at no more than the size it is
// shown: a FIFO or a huge file in gra/ can neither stop the start nor take
// the memory.
QCursor cursorFrom(const std::filesystem::path& file, Qt::CursorShape fallback) {
  constexpr int kCursorSideMax = 128;
  const QImage read = render::loadImageFile(file, QSize(kCursorSideMax, kCursorSideMax));
  if (read.isNull()) return QCursor(fallback);
  const QPixmap image = QPixmap::fromImage(read.width() > kCursorSideMax || read.height() > kCursorSideMax
                                               ? read.scaled(kCursorSideMax, kCursorSideMax, Qt::KeepAspectRatio)
                                               : read);
  // Both images point with their centre.
  return QCursor(image, image.width() / 2, image.height() / 2);
}

}  // namespace

BoardCursors loadBoardCursors(const std::filesystem::path& programFolder) {
  const std::filesystem::path folder = programFolder / "gra" / "cursor";
  return {cursorFrom(folder / "pickup.png", Qt::ClosedHandCursor), cursorFrom(folder / "step.png", Qt::SizeHorCursor)};
}

QCursor cursorFor(const BoardCursors& cursors, app::CursorKind kind) {
  switch (kind) {
    case app::CursorKind::PickedStone: return cursors.pickedStone;
    case app::CursorKind::Step: return cursors.step;
    case app::CursorKind::Hidden: return QCursor(Qt::BlankCursor);
    case app::CursorKind::Arrow: break;
  }
  return QCursor(Qt::ArrowCursor);
}

}  // namespace mokuza::ui
