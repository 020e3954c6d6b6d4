#pragma once
// Text on the board: the face of the design's "書体", and outlined text
// with a halo, drawn as paths so it scales with the pitch.

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <string>

namespace mokuza::render {

inline constexpr char kFallbackFace[] = "IPAGothic";

// The design's face when it is installed, else IPAGothic.
QString boardFontFamily(const std::u16string& typeface);

QFont boardFont(const QString& family, int pixelHeight, bool bold);

// The outline of a text centred in a square cell.
QPainterPath centredTextPath(const QString& text, const QFont& font, int cell);

// Strokes the halo around `path`, then fills the text body with `body`.
// A translucent light plate under text drawn over the background picture,
// so that the text's dark and coloured inks read on any picture.
void drawTextPlate(QPainter& painter, const QRect& area);

void drawHaloText(QPainter& painter, const QPainterPath& path, const QColor& halo, int pitch, const QBrush& body);

}  // namespace mokuza::render
