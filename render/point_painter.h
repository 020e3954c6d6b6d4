#pragma once
// Draws what stands on one board point into a cell whose origin is the
// cell's top-left corner: stone, last-move marks and the point's text.

#include <QImage>
#include <QPainter>
#include <QString>
#include <array>
#include <map>
#include <string>
#include <tuple>

#include "render/board_geometry.h"
#include "render/colour_matrix.h"
#include "render/last_move.h"
#include "render/render_state.h"
#include "render/stone_images.h"

namespace mokuza::render {

// The kinds of PaintPoint: 0 a full repaint or a move fade-in, 1 a capture
// fade-out (nothing is drawn), 2 a change fade, 3 the first half of a
// capture fade, 4 a music-mode layer.
enum PointKind : int { kPointFull = 0, kPointEmpty = 1, kPointChange = 2, kPointCaptured = 3, kPointMusic = 4 };

// What stays valid from one repaint to the next while the stone images and
// the face stay the same: stone images through the matrices used, and the
// texts of points drawn once into cell-sized images (outlining and stroking
// a text costs far more than copying it). Whoever rebuilds the stone images
// clears it.
struct PointCaches {
  // (source image: 0/1 stones, 2/3 thin rings, 4/5 thick rings; size; matrix)
  std::map<std::tuple<int, int, ColourMatrix>, QImage> tinted;
  // (text, light, last move's text matrices, "マーク・手数の色")
  std::map<std::tuple<std::u16string, bool, bool, int>, QImage> texts;
  std::u16string typeface;  // the face the paths were made in
  QString family;

  void clear() { *this = PointCaches{}; }
  // Resolves the face once; another face drops the texts made in the old one.
  void useTypeface(const std::u16string& face);
};

// Prepared once per repaint: tints and last-move options.
class PointPainter {
 public:
  PointPainter(const RenderState& state, const BoardGeometry& geometry, const StoneImages& stones, PointCaches& caches);

  void PaintPoint(QPainter& painter, int point, int kind);

  // The colour of the preview stone under the mouse, 0 when none is shown.
  int previewColour() const;

 private:
  struct Shown {
    int colour = 0;
    double factor = 1;
    bool placed = false;  // a stone of the position (not a preview)
    int placingMove = -1;
    bool played = false;  // put by its node's move, not a setup stone of that node
  };
  Shown shownAt(int point, int kind) const;
  bool playedThere(int point, int move) const;
  // Whether a last-move option marks the stone shown.
  bool lastMoveMark(int option, const Shown& shown) const;
  ColourMatrix stoneMatrixFor(int colour, int placingMove) const;
  ColourMatrix markMatrixFor(int colour, int placingMove) const;
  std::u16string textAt(int point, const Shown& shown, int kind) const;
  void drawText(QPainter& painter, const std::u16string& text, const Shown& shown, bool lastMoveStone);
  const QImage& tinted(int source, int size, const ColourMatrix& m);
  int stoneAt(int point) const;
  int lastShowable() const;

  QImage makeTextImage(const std::u16string& text, bool light, bool lastText);

  const RenderState& s_;
  const BoardGeometry& g_;
  const StoneImages& stones_;
  PointCaches& caches_;
  std::array<ColourMatrix, 2> stoneMatrix_{};
  std::array<ColourMatrix, 2> markMatrix_{};
  std::array<ColourMatrix, 4> pairStone_{};
  std::array<ColourMatrix, 4> pairMark_{};
  bool pairMode_ = false;
  int pairChange_ = 1;
  LastMoveContext lastMove_;
  int frameOption_ = 0, squareOption_ = 0, brightOption_ = 0;
  int numberDisplay_ = 0, numberColour_ = 1, lasColourW_ = 0, figureLastMove_ = 0;
  std::array<double, 2> opacity_{1, 1};
  int preview_ = 0;
};

}  // namespace mokuza::render
