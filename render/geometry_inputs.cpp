#include "render/geometry_inputs.h"

#include "render/design_reading.h"

namespace mokuza::render {

int PanelWidth(int textScale) { return textScale == 2 ? 356 : 162 * textScale; }

GeometryInputs DesignGeometryInputs(const Design& design, int boardSize, const WindowLayout& window) {
  GeometryInputs in;
  in.clientWidth = window.clientWidth;
  in.clientHeight = window.clientHeight;
  in.panelWidth = window.panelWidth;
  in.statusBarHeight = window.statusBarHeight;
  in.statusBarShown = window.statusBarHeight > 0 && designValue(design, u"ステータスバー") != 0;
  in.layoutNo = window.layoutNo;
  in.boardSize = boardSize;
  in.boardSizeStep = designValue(design, u"碁盤の大きさ");
  in.absolutePitch = designValue(design, u"碁盤サイズ指定");
  in.stoneSizeStep = designValue(design, u"碁石の大きさ");
  in.starSizeStep = designValue(design, u"星の大きさ");
  in.marginX = designValue(design, u"碁盤Ｘ");
  in.marginY = designValue(design, u"碁盤Ｙ");
  return in;
}

}  // namespace mokuza::render
