#include "render/overlays.h"

#include <QFontMetrics>
#include <vector>

#include "render/board_text.h"

namespace mokuza::render {
namespace {

const QColor kPlain(0, 0, 0);
const QColor kBlackPlayer(150, 0, 100);
const QColor kWhitePlayer(0, 80, 255);
const QColor kMark(140, 140, 40);
const QColor kNumber(120, 120, 120);
const QColor kResult(40, 125, 18);
const QColor kHeldKey(120, 255, 78);
const QColor kCount(50, 145, 24);

struct Run {
  QString text;
  QColor colour;
};

QString u(std::u16string_view text) { return QString::fromStdU16String(std::u16string(text)); }

QColor keyColour(const SearchDisplay& search, std::initializer_list<SearchKey> keys) {
  for (SearchKey key : keys)
    if (search.heldKeys.test(key)) return kHeldKey;
  return kResult;
}

std::vector<std::vector<Run>> captionLines(const SearchDisplay& s) {
  std::vector<std::vector<Run>> lines;
  lines.push_back({{u(u"[Enter]この対局を開く　[クリック]この手を加えて再検索"), kPlain}});

  std::vector<Run> game{{u(u" 黒：") + u(s.blackPlayer), kBlackPlayer},
                        {u(u" 白：") + u(s.whitePlayer), kWhitePlayer},
                        {u(u"　") + u(s.moveCountText) + u(u"手 ") + u(s.dateText), kBlackPlayer},
                        {u(u"　結果："), kBlackPlayer},
                        {u(s.result), kResult}};
  if (s.resultMark != 0) game.push_back({QStringLiteral(" ") + QChar(s.resultMark), kMark});
  lines.push_back(std::move(game));

  lines.push_back(
      {{u(u"  ") + QString::number(s.example) + u(u"例目／全") + QString::number(s.total) + u(u"局面"), kPlain},
       {u(u"　No.") + QString::number(s.gameNumber) + u(u"　"), kNumber},
       {u(u"黒") + QString::number(s.blackMove) + u(u"手目 "), kBlackPlayer},
       {u(u"白") + QString::number(s.whiteMove) + u(u"手目"), kWhitePlayer}});

  lines.push_back({{u(u"←→"), keyColour(s, {kKeyLeft, kKeyRight})},
                   {u(u"他の一致局面　"), keyColour(s, {kKeyLeft, kKeyRight})},
                   {u(u"（") + QString::number(s.otherMatches) + u(u"） "), kCount},
                   {u(u"↑↓"), keyColour(s, {kKeyUp, kKeyDown})},
                   {u(u"後続手表示手数"), keyColour(s, {kKeyUp, kKeyDown})},
                   {u(u"（") + QString::number(s.followMoves) + u(u"） "), kCount}});
  lines.push_back({{u(u"Enter"), keyColour(s, {kKeyEnter})},
                   {u(u"この対局を開く　"), keyColour(s, {kKeyEnter})},
                   {u(u"クリック"), keyColour(s, {kKeyMouse})},
                   {u(u"この手を加えて再検索"), keyColour(s, {kKeyMouse})}});
  return lines;
}

}  // namespace

void paintSearchCaption(QPainter& painter, const SearchDisplay& search, const BoardGeometry& g, const QString& family) {
  const int h = std::max(g.infoWidth / 36, 10);
  QFont font(family);
  font.setPixelSize(h);
  painter.save();
  painter.setFont(font);
  const QFontMetrics metrics(font);
  int y = g.infoTop;
  for (const auto& line : captionLines(search)) {
    int width = 0;
    for (const Run& run : line) width += metrics.horizontalAdvance(run.text);
    drawTextPlate(painter, QRect(g.infoLeft, y, width, metrics.height()));
    int x = g.infoLeft;
    for (const Run& run : line) {
      painter.setPen(run.colour);
      painter.drawText(QPoint(x, y + metrics.ascent()), run.text);
      x += metrics.horizontalAdvance(run.text);
    }
    y += metrics.height();
  }
  painter.restore();
}

}  // namespace mokuza::render
