#pragma once
// The board picture of the main window: per paint message either the full
// repaint, composed from the document and the design, or one frame of the
// fades while auto-play waits between two moves. Surfaces and images that
// change only with the layout or the design are kept between paints.

#include <QImage>
#include <QSize>
#include <array>
#include <filesystem>
#include <map>
#include <vector>

#include "render/board_geometry.h"
#include "render/design_images.h"
#include "render/fade_queue.h"
#include "render/overlays.h"
#include "render/point_painter.h"
#include "render/render_state.h"
#include "render/stone_images.h"

namespace mokuza::render {

// What the window raised since the last paint; the paint clears both.
struct PaintFlags {
  bool layoutChanged = false;  // window, panel, board size or design changed
  bool rebuildImages = false;  // images must be read again
};

// The wait of auto-play between two moves, in timer ticks.
struct AutoPlayWait {
  int moveWaitTicks = 0;
  int moveWaitTotal = 0;
  int updateTime = 10;  // "update_time": the timer period in milliseconds
};

struct PaintResult {
  bool fadeFrame = false;  // a fade frame was drawn instead of the full repaint
  int period = 0;          // fade frames: the timer period to arm in ms (0: as soon as possible)
  int framesDrawn = 0;
  int moveWaitTicks = 0;  // the wait left after this paint (0 when it was cancelled)
};

class BoardPainter {
 public:
  // One paint message. A layout change rebuilds the images, and a rebuild
  // cancels the wait (its fades belong to the old picture). While a wait
  // runs a fade frame is drawn onto `window`; otherwise the full repaint is
  // composed and, unless a game transition cross-fades it in, copied there.
  // `sound` hears of the fade layers in music mode.
  PaintResult Paint(QImage& window, const RenderState& state, const BoardGeometry& geometry, QSize client,
                    PaintFlags& flags, const AutoPlayWait& wait, const FadeLayerSound* sound = nullptr);

  // One frame of the wait (the wait must be running and a repaint done at
  // this geometry): on its first frame the shown move's text goes into the
  // info area, which then blends onto the window as the wait passes, the
  // icon strip follows the move (stepping back or on may have become
  // possible), and the fade layers advance. Returns after one frame: the
  // period of the timer paces the frames, so the window never blocks.
  PaintResult paintFades(QImage& window, const RenderState& state, const BoardGeometry& geometry,
                         const AutoPlayWait& wait, const FadeLayerSound* sound = nullptr);

  // Composes the picture of a client area of `client` size.
  const QImage& Repaint(const RenderState& state, const BoardGeometry& geometry, QSize client);

  // The next repaint reads every image again (commands that change images,
  // dropped files).
  void rebuildImages() { cacheValid_ = false; }

  // What the next fade frame draws on the window: the info area, the icon
  // strip and the cells of the running fades.
  std::vector<QRect> fadeFrameRects(const BoardGeometry& geometry) const;
  // The fade layers of the wait; auto-play fills them when it shows a move.
  FadeQueues& fades() { return fades_; }

  const QImage& picture() const { return picture_; }
  // The board square with every point drawn ("the second board surface").
  const QImage& board() const { return board_; }
  // The board square with its image, grid and star points only.
  const QImage& cleanBoard() const { return cleanBoard_; }
  const StoneImages& stones() const { return stones_; }
  PointCaches& pointCaches() { return pointCaches_; }
  // The design's images as read at the last rebuild, and the files that could not be read.
  const DesignImages& designImages() const { return images_; }
  // Where the icons of the strip were drawn, for hit-testing.
  const std::array<QRect, 15>& iconRects() const { return iconRects_; }

 private:
  bool cacheMatches(const RenderState& state, const BoardGeometry& geometry, QSize client) const;
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
  IconImages icons_;
  PointCaches pointCaches_;
  std::array<QRect, 15> iconRects_{};
  QRect iconStrip_;  // the strip the last repaint drew, empty without the panel
  FadeQueues fades_;
  QImage info_;  // the info area of the window with the move text of the wait
};

}  // namespace mokuza::render
