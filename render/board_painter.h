#pragma once
// The full repaint: composes the client picture of the main window from the
// document and the design. Surfaces and images that change only with the
// layout or the design are kept between repaints.

#include <QImage>
#include <QSize>
#include <array>
#include <filesystem>
#include <map>
#include <vector>

#include "render/board_geometry.h"
#include "render/design_images.h"
#include "render/point_painter.h"
#include "render/render_state.h"
#include "render/stone_images.h"

namespace mokuza::render {

class BoardPainter {
 public:
  // Composes the picture of a client area of `client` size.
  const QImage& Repaint(const RenderState& state, const BoardGeometry& geometry, QSize client);

  // The next repaint reads every image again (commands that change images,
  // dropped files).
  void rebuildImages() { cacheValid_ = false; }

  const QImage& picture() const { return picture_; }
  // The board square with every point drawn ("the second board surface").
  const QImage& board() const { return board_; }
  // The board square with its image, grid and star points only.
  const QImage& cleanBoard() const { return cleanBoard_; }
  const StoneImages& stones() const { return stones_; }
  PointCaches& pointCaches() { return pointCaches_; }
  // Design files that could not be read at the last rebuild.
  const std::vector<std::filesystem::path>& missingImages() const { return images_.missing; }
  // Where the icons of the strip were drawn, for hit-testing.
  const std::array<QRect, 15>& iconRects() const { return iconRects_; }

 private:
  void rebuild(const RenderState& state, const BoardGeometry& geometry, QSize client);
  void paintPoints(const RenderState& state, const BoardGeometry& geometry);

  bool cacheValid_ = false;
  Design cachedDesign_;
  std::filesystem::path cachedFolder_;
  BoardGeometry cachedGeometry_;
  QSize cachedClient_;

  DesignImages images_;
  StoneImages stones_;
  QImage star_;
  QImage background_;
  QImage cleanBoard_;
  QImage board_;
  QImage picture_;
  std::map<std::filesystem::path, QImage> icons_;
  PointCaches pointCaches_;
  std::array<QRect, 15> iconRects_{};
};

// The region colour of counted territory: by owner and the tint of that colour.
QColor TerritoryColour(int owner, int tint);

}  // namespace mokuza::render
