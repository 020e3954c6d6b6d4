#pragma once
// What is drawn around the board: coordinates, the move list under the
// board, the search caption and the command icon strip.

#include <QImage>
#include <QPainter>
#include <QRect>
#include <array>
#include <filesystem>
#include <map>
#include <string>
#include <utility>

#include "render/board_geometry.h"
#include "render/render_state.h"

namespace mokuza::render {

// Styles of "碁盤座標": 1 numbers from the top-left, 2 letters A.. with rows
// counted from the bottom, 3 letters a.. both ways.
void paintCoordinates(QPainter& painter, const BoardGeometry& g, int style, const QString& family, int labelHeight);

// The names of the moves up to the current one, three to a row.
void PaintMoveList(QPainter& painter, const RenderState& s, const BoardGeometry& g, const QString& family);

// The band of the info area that takes the shown move's text while auto-play
// waits: 3 x pitch + 4 wide, as tall as the info area.
QRect moveTextBand(const BoardGeometry& g);

inline constexpr int kMoveTextHeight = 50;

// The shown move's entry of the move list ("黒12 ツケ") in the large bold
// move-text font, from the top-left of `band`, wrapped inside it.
void paintMoveText(QPainter& painter, const RenderState& s, const QString& family, const QRect& band);

// Where the next move branches, its branches' points lettered a, b, c … in
// branch order (a: the line shown), on the board surface; a mark of the
// record on the point comes first.
void paintVariationMarks(QPainter& painter, const RenderState& s, const BoardGeometry& g, const QString& family);

// The caption of a partial-board search result, in the info area.
void paintSearchCaption(QPainter& painter, const SearchDisplay& search, const BoardGeometry& g, const QString& family);

inline constexpr std::array<const char*, 15> kIconNames{"Lmodo", "10modo", "01modo", "01susu", "10susu",
                                                        "Lsusu", "Cmodo",  "Csusu",  "modo",   "susu",
                                                        "henka", "honpu",  "uwgk",   "undo",   "redo"};

// Where icon i stands in the client area.
QRect iconRect(const RenderState& s, std::size_t i, int clientWidth);

// Icon files as read, by file and the side they were read for.
using IconImages = std::map<std::pair<std::filesystem::path, int>, QImage>;

// Draws the fifteen icons, each file read at the size it is drawn; files
// already read are kept in `loaded`.
void paintIconStrip(QPainter& painter, const RenderState& s, int clientWidth, IconImages& loaded);

}  // namespace mokuza::render
