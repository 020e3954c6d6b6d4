#include "ui/cursors.h"

#include <QPixmap>

namespace mokuza::ui {
namespace {

QCursor cursorFrom(const std::filesystem::path& file, Qt::CursorShape fallback) {
  const QPixmap image(QString::fromStdString(file.string()));
  if (image.isNull()) return QCursor(fallback);
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
