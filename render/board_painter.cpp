#include "render/board_painter.h"

#include <QPainter>
#include <algorithm>

#include "core/document/design_fields.h"
#include "render/board_surfaces.h"
#include "render/board_text.h"
#include "render/geometry_inputs.h"
#include "render/overlays.h"
#include "render/point_painter.h"

namespace mokuza::render {
namespace {

const QColor kSelectionColour(160, 200, 220, 48);

// Territory owner by unbordered point (+1, -1, 0 for none).
RecordArray<std::int8_t> territoryOwners(const CountingState& counting, const GridGeometry& geo) {
  RecordArray<std::int8_t> owners{};
  for (const Region& region : counting.regions) {
    if (region.owner != kStoneBlack && region.owner != kStoneWhite) continue;
    region.points.forEach([&](BorderedPoint b) {
      if (geo.isBoardPoint(b)) owners[geo.unbordered(b)] = static_cast<std::int8_t>(region.owner);
    });
  }
  return owners;
}

// The region colour of counted territory: by owner and the tint of that colour.
QColor TerritoryColour(int owner, int tint) {
  static constexpr std::array<std::array<int, 3>, 6> kBlack{
      {{90, 90, 90}, {60, 90, 120}, {60, 120, 90}, {120, 65, 85}, {95, 95, 80}, {110, 60, 100}}};
  static constexpr std::array<std::array<int, 3>, 6> kWhite{
      {{180, 180, 180}, {125, 190, 255}, {125, 235, 210}, {230, 170, 180}, {210, 210, 160}, {225, 125, 220}}};
  const auto& table = owner > 0 ? kBlack : kWhite;
  const auto& c = table[static_cast<std::size_t>(tint >= 1 && tint <= 5 ? tint : 0)];
  return QColor(c[0], c[1], c[2], 100);
}

}  // namespace

void BoardPainter::rebuild(const RenderState& state, const BoardGeometry& g, QSize client) {
  const QSize surface(std::max(client.width(), g.extent), std::max(client.height(), g.extent));
  images_ = loadDesignImages(*state.design, state.programFolder, designImageSizes(*state.design, g, surface));
  stones_ = LoadStoneImages(images_.black, images_.white, g);
  star_ = prepareStarImage(images_.star, g);
  background_ = paintBackground(surface, *state.design, images_.background);
  cleanBoard_ = paintCleanBoard(background_, g, *state.design, images_, star_);
  icons_.clear();
  pointCaches_.clear();
  cachedDesign_ = *state.design;
  cachedFolder_ = state.programFolder;
  cachedGeometry_ = g;
  cachedClient_ = client;
  cacheValid_ = true;
}

void BoardPainter::paintPoints(const RenderState& state, const BoardGeometry& g) {
  copyInto(board_, cleanBoard_);
  const int n = g.boardSize;
  PointPainter points(state, g, stones_, pointCaches_);
  const bool counting = state.counting != nullptr && state.counting->countingMode;
  const RecordArray<std::int8_t> owners =
      counting ? territoryOwners(*state.counting, state.doc->board.geometry) : RecordArray<std::int8_t>{};
  const std::array<int, 2> tints{designValue(*state.design, DesignField::BlackColour),
                                 designValue(*state.design, DesignField::WhiteColour)};
  const bool selecting = state.inputMode == kInputRange && state.doc->state.selection.active;
  // The range a shown search result was searched in; an empty box otherwise.
  const std::array<int, 4> searched =
      searchShown(state) && state.search->range ? *state.search->range : std::array<int, 4>{0, 0, -1, -1};
  const auto inSearched = [&](int p) {
    const int x = p % n, y = p / n;
    return x >= searched[0] && x <= searched[2] && y >= searched[1] && y <= searched[3];
  };
  QPainter painter(&board_);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  for (int p = 0; p < n * n; ++p) {
    const QRect cell((p % n) * g.pitch, (p / n) * g.pitch, g.pitch, g.pitch);
    painter.save();
    painter.translate(cell.topLeft());
    painter.setClipRect(0, 0, g.pitch, g.pitch);
    points.PaintPoint(painter, p, 0);
    painter.restore();
    if (counting && owners[RecordPoint{p}] != 0) {
      const int owner = owners[RecordPoint{p}];
      painter.fillRect(cell, TerritoryColour(owner, tints[owner > 0 ? 0 : 1]));
    }
    if (searchShown(state) ? inSearched(p) : selecting && state.doc->state.selection.containsPoint(p, n))
      painter.fillRect(cell, kSelectionColour);
  }
}

bool BoardPainter::cacheMatches(const RenderState& state, const BoardGeometry& g, QSize client) const {
  return cacheValid_ && cachedDesign_ == *state.design && cachedFolder_ == state.programFolder &&
         cachedGeometry_ == g && cachedClient_ == client;
}

const QImage& BoardPainter::Repaint(const RenderState& state, const BoardGeometry& g, QSize client) {
  if (!cacheMatches(state, g, client)) rebuild(state, g, client);

  copyInto(picture_, background_);
  pointCaches_.useTypeface(state.typeface);
  const QString family = pointCaches_.family;
  {
    QPainter painter(&picture_);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    paintIconStrip(painter, state, client.width(), icons_);
    iconStrip_ = QRect();
    for (std::size_t i = 0; i < iconRects_.size(); ++i) {
      iconRects_[i] = iconRect(state, i, client.width());
      if (state.panelShown) iconStrip_ = iconStrip_.united(iconRects_[i]);
    }
    painter.setRenderHint(QPainter::TextAntialiasing);
    paintCoordinates(painter, g, designValue(*state.design, DesignField::GobanCoordinate), family,
                     devicePixels(16 * textScale(state), state.pixelRatio));
    if (searchShown(state)) paintSearchCaption(painter, *state.search, g, family);
    else if (switchOn(state.doc->globalOptions, GlobalOption::MoveInfo)) PaintMoveList(painter, state, g, family);
    paintPoints(state, g);
    if (state.variationMarks && !searchShown(state)) {
      QPainter marks(&board_);
      paintVariationMarks(marks, state, g, family);
    }
    painter.drawImage(g.boardLeft, g.boardTop, board_);
  }
  if (picture_.size() != client) picture_ = picture_.copy(0, 0, client.width(), client.height());
  return picture_;
}

}  // namespace mokuza::render
