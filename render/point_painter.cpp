#include "render/point_painter.h"

#include <algorithm>

#include "core/document/design_fields.h"
#include "render/board_text.h"

namespace mokuza::render {
namespace {

int stoneIndex(int colour) { return colour < 0 ? 1 : 0; }

constexpr std::array<char16_t, 6> kCandidateLetters{u'Ａ', u'Ｂ', u'Ｃ', u'Ｄ', u'Ｅ', u'Ｆ'};

bool inList(const std::vector<int>& points, int point) {
  return std::find(points.begin(), points.end(), point) != points.end();
}

// Colour of the stones taken by the move shown, for the fade of a capture.
int capturedColour(const Document& doc) {
  const auto& positions = doc.board.history.slots;
  const int m = doc.currentMove();
  if (m <= 0 || static_cast<std::size_t>(m) >= positions.size()) return 1;
  const auto& now = positions[static_cast<std::size_t>(m)];
  const auto& before = positions[static_cast<std::size_t>(m - 1)];
  return now.capturedBlack.size() > before.capturedBlack.size() ? 1 : -1;
}

// The circle mark is drawn as a ring: a filled disc on an empty point reads
// as a small stone.
std::u16string shownMarkText(const std::u16string& text) { return text == u"●" ? u"○" : text; }

}  // namespace

void PointCaches::useTypeface(const std::u16string& face) {
  if (!family.isEmpty() && typeface == face) return;
  texts.clear();
  typeface = face;
  family = boardFontFamily(face);
}

PointPainter::PointPainter(const RenderState& state, const BoardGeometry& geometry, const StoneImages& stones,
                           PointCaches& caches)
    : s_(state), g_(geometry), stones_(stones), caches_(caches) {
  caches_.useTypeface(s_.typeface);
  const Design& d = *s_.design;
  const std::array<int, 2> tint{designValue(d, DesignField::BlackColour), designValue(d, DesignField::WhiteColour)};
  for (std::size_t c = 0; c < 2; ++c) {
    stoneMatrix_[c] = tintMatrix(tint[c], stones_.brightness[c]);
    markMatrix_[c] = tintMatrix(tint[1 - c], stones_.brightness[1 - c]);
  }
  pairMode_ = designValue(d, DesignField::PairMode) == 1;
  pairChange_ = std::max(designValue(d, DesignField::PairChange), 1);
  for (int player = 0; player < 4; ++player) {
    const std::size_t own = static_cast<std::size_t>(player % 2), other = 1 - own;
    pairStone_[static_cast<std::size_t>(player)] =
        tintMatrix(pairGoDigit(designValue(d, DesignField::PairColour), player), stones_.brightness[own]);
    pairMark_[static_cast<std::size_t>(player)] =
        tintMatrix(pairGoDigit(designValue(d, DesignField::PairLastColour), player), stones_.brightness[other]);
  }
  const Document& doc = *s_.doc;
  lastMove_.gameLastMove = std::min(doc.moveCount(), lastShowable());
  lastMove_.replayMode = replayModeOn(s_.doc->state.options);
  figureLastMove_ = std::min(designValue(d, DesignField::LastMove), lastMove_.gameLastMove);
  lastMove_.figureLastMove = figureLastMove_;
  lastMove_.currentMove = doc.currentMove();
  frameOption_ = designValue(d, DesignField::LastFrame);
  squareOption_ = designValue(d, DesignField::LastSquare);
  brightOption_ = designValue(d, DesignField::LastBright);
  numberDisplay_ = designValue(d, DesignField::NumberDisplay);
  numberColour_ = designValue(d, DesignField::NumberColour);
  lasColourW_ = designValue(d, DesignField::LastTextPlain);
  opacity_ = {designValue(d, DesignField::BlackTransparency) / 255.0,
              designValue(d, DesignField::WhiteTransparency) / 255.0};
  preview_ = previewColour();
}

int PointPainter::lastShowable() const { return std::max(s_.doc->board.history.computed() - 1, 0); }

int PointPainter::stoneAt(int point) const {
  const int cells = g_.boardSize * g_.boardSize;
  if (point < 0 || point >= cells) return 0;
  if (searchShown(s_) && s_.search->stones.size() == static_cast<std::size_t>(cells))
    return s_.search->stones[static_cast<std::size_t>(point)];
  return s_.doc->shownPosition.boardGrid.stones[RecordPoint{point}];
}

int PointPainter::previewColour() const {
  const int mode = s_.inputMode;
  const bool counting = s_.counting != nullptr && s_.counting->countingMode;
  if (s_.hoverPoint < 0 || !s_.autoPlayIdle || counting || s_.shiftHeld) return 0;
  if (mode != kInputPlay && mode != kInputBlackStone && mode != kInputWhiteStone) return 0;
  if (stoneAt(s_.hoverPoint) != 0 && s_.hoverPoint != s_.dragSource) return 0;
  if (s_.dragSource >= 0) return stoneAt(s_.dragSource);
  if (mode == kInputWhiteStone || (mode == kInputPlay && s_.doc->colourToPlay < 0)) return -1;
  return 1;
}

PointPainter::Shown PointPainter::shownAt(int point, int kind) const {
  Shown shown;
  shown.colour = stoneAt(point);
  shown.placed = shown.colour != 0;
  if (shown.placed) {
    shown.placingMove = s_.doc->shownPosition.boardGrid.placedBy[RecordPoint{point}];
    shown.played = playedThere(point, shown.placingMove);
  }
  if (kind == kPointCaptured && shown.colour == 0) shown.colour = capturedColour(*s_.doc);
  if (point == s_.dragSource && s_.dragSource >= 0) {
    shown.factor = 0.9;
  } else if (point == s_.hoverPoint && preview_ != 0) {
    shown = Shown{preview_, s_.dragSource >= 0 ? 1.0 : 0.5, false, -1};
  }
  if (searchShown(s_)) {
    if (point == s_.search->selectedPoint) shown.factor = 1.1;
    if (shown.colour == 0 && inList({s_.search->candidates.begin(), s_.search->candidates.end()}, point))
      shown = Shown{s_.search->candidateColour, 0.3, false, -1};
  }
  return shown;
}

bool PointPainter::playedThere(int point, int move) const {
  const auto& line = s_.doc->record().lineCopy;
  if (move <= 0 || static_cast<std::size_t>(move) >= line.size()) return false;
  const MoveRecord& record = line[static_cast<std::size_t>(move)];
  return record.hasMove() && record.point == point;
}

// Setup stones of a node share its move number; only "all stones" marks them,
// so the mark keeps pointing at the one stone that was played.
bool PointPainter::lastMoveMark(int option, const Shown& shown) const {
  return shown.placed && (option == kLastMoveAllStones || shown.played) &&
         lastMoveTest(option, shown.placingMove, lastMove_);
}

ColourMatrix PointPainter::stoneMatrixFor(int colour, int placingMove) const {
  if (pairMode_ && placingMove > 0)
    return pairStone_[static_cast<std::size_t>(pairGoPlayer(colour, placingMove, pairChange_))];
  return stoneMatrix_[static_cast<std::size_t>(stoneIndex(colour))];
}

ColourMatrix PointPainter::markMatrixFor(int colour, int placingMove) const {
  if (pairMode_ && placingMove > 0)
    return pairMark_[static_cast<std::size_t>(pairGoPlayer(colour, placingMove, pairChange_))];
  return markMatrix_[static_cast<std::size_t>(stoneIndex(colour))];
}

const QImage& PointPainter::tinted(int source, int size, const ColourMatrix& m) {
  const auto key = std::make_tuple(source, size, m);
  auto it = caches_.tinted.find(key);
  if (it != caches_.tinted.end()) return it->second;
  const std::size_t colour = static_cast<std::size_t>(source % 2);
  const QImage& base =
      source < 2 ? stones_.stone[colour] : (source < 4 ? stones_.ringThin[colour] : stones_.ringThick[colour]);
  QImage scaled = base.size() == QSize(size, size)
                      ? base
                      : base.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  return caches_.tinted.emplace(key, tintedImage(scaled, m)).first->second;
}

void PointPainter::PaintPoint(QPainter& painter, int point, int kind) {
  if (kind == kPointEmpty) return;
  const Shown shown = shownAt(point, kind);
  const std::u16string text = textAt(point, shown, kind);
  bool lastMoveStone = false;
  if (shown.colour != 0) {
    const std::size_t idx = static_cast<std::size_t>(stoneIndex(shown.colour));
    const float alpha = static_cast<float>(opacity_[idx] * shown.factor);
    ColourMatrix m = stoneMatrixFor(shown.colour, shown.placingMove);
    lastMoveStone = lastMoveMark(brightOption_, shown);
    if (lastMoveStone || kind >= kPointCaptured) {
      const auto k = static_cast<float>(brightFactor(stones_.brightness[idx]) * (kind >= kPointCaptured ? 1.4 : 1.0));
      scaleColour(m, k, k, k);
      if (lastMove_.replayMode && shown.placingMove == figureLastMove_) {
        scaleColour(m, 1.06f, 1, 1);
        if (figureLastMove_ == lastMove_.gameLastMove) scaleColour(m, 1, 1.33f, 0.84f);
        else scaleColour(m, 1, 0.84f, 1.33f);
      }
    }
    scaleAlpha(m, alpha);
    painter.drawImage(g_.stoneInset, g_.stoneInset, tinted(static_cast<int>(idx), g_.stoneSize, m));
    if (kind == kPointCaptured) return;

    // A change fade turns the last-move marks off; the stone's number stays,
    // as the picture after the fade (the full repaint) shows it.
    ColourMatrix mark = markMatrixFor(shown.colour, shown.placingMove);
    scaleAlpha(mark, static_cast<float>(opacity_[idx]));
    if (kind != kPointChange && lastMoveMark(frameOption_, shown)) {
      const bool thick = shown.placingMove == figureLastMove_;
      painter.drawImage(0, 0, tinted(static_cast<int>(idx) + (thick ? 4 : 2), g_.pitch, mark));
    }
    // The square gives way to a number or label on the stone: both in the
    // middle of the cell would make the text unreadable.
    if (kind != kPointChange && text.empty() && lastMoveMark(squareOption_, shown))
      painter.drawImage(g_.markInset, g_.markInset, tinted(static_cast<int>(1 - idx), g_.markSize, mark));
  }
  if (!text.empty()) drawText(painter, text, shown, lastMoveStone);
}

std::u16string PointPainter::textAt(int point, const Shown& shown, int kind) const {
  const Document& doc = *s_.doc;
  if (searchShown(s_) && s_.inputMode == kInputRange) {
    if (shown.placed && inList(s_.search->matchedPoints, point)) return shown.colour > 0 ? u"○" : u"□";
    for (std::size_t i = 0; i < s_.search->candidates.size(); ++i)
      if (s_.search->candidates[i] == point) return std::u16string(1, kCandidateLetters[i]);
  }
  const auto& line = doc.record().lineCopy;
  const auto current = static_cast<std::size_t>(doc.currentMove());
  if (current < line.size()) {
    if (const MarkEntry* mark = line[current].marks.find(static_cast<std::int16_t>(point)); mark && !mark->text.empty())
      return shownMarkText(mark->text);
  }
  if (!shown.placed) return {};
  if (musicModeOn(s_.doc->state.options) && (kind == kPointFull || kind == kPointMusic)) return u"♪";
  // Setup stones carry no number: only the move played on this point does.
  if (!shown.played) return {};
  const int m = shown.placingMove;
  bool numbered = numberDisplay_ == 2 || (numberDisplay_ == 1 && m > static_cast<int>(doc.record().divergenceMove));
  if (lastMove_.replayMode) numbered = numbered && m > s_.figureStart;
  if (!numbered) return {};
  const std::string digits = std::to_string(m);
  return std::u16string(digits.begin(), digits.end());
}

void PointPainter::drawText(QPainter& painter, const std::u16string& text, const Shown& shown, bool lastMoveStone) {
  bool light = searchShown(s_);
  if (shown.colour != 0) {
    const std::size_t own = static_cast<std::size_t>(stoneIndex(shown.colour));
    light = stones_.brightness[own] < stones_.brightness[1 - own];
  }
  const bool lastText = lastMoveStone && lasColourW_ != 4 && s_.dragSource < 0 && numberColour_ != 0;
  const auto key = std::make_tuple(text, light, lastText, numberColour_);
  auto it = caches_.texts.find(key);
  if (it == caches_.texts.end()) it = caches_.texts.emplace(key, makeTextImage(text, light, lastText)).first;
  painter.drawImage(0, 0, it->second);
}

QImage PointPainter::makeTextImage(const std::u16string& text, bool light, bool lastText) {
  const int p = g_.pitch;
  const int length = static_cast<int>(text.size());
  const int size = length <= 1 ? 2 * p / 3 : (length == 2 ? 5 * p / 8 : 5 * p / 9);
  const QPainterPath path =
      centredTextPath(QString::fromStdU16String(text), boardFont(caches_.family, size, length <= 2), p);
  QImage image(p, p, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  const QColor halo = light ? Qt::black : Qt::white;
  if (numberColour_ == 0) {
    drawHaloText(painter, path, halo, p, QBrush(light ? Qt::white : Qt::black));
    return image;
  }
  // The body is cut from the lighter or darker stone image, laid large
  // enough that its disc covers the whole cell.
  const ColourMatrix& m = light ? (lastText ? kLastTextLight : kTextLight) : (lastText ? kLastTextDark : kTextDark);
  const bool blackIsDarker = stones_.brightness[0] <= stones_.brightness[1];
  const int source = light == blackIsDarker ? 1 : 0;
  const int big = p * 3 / 2;
  QBrush body(tinted(source, big, m));
  body.setTransform(QTransform::fromTranslate((p - big) / 2, (p - big) / 2));
  drawHaloText(painter, path, halo, p, body);
  return image;
}

}  // namespace mokuza::render
