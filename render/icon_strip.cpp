#include "render/overlays.h"

#include <string_view>

#include "core/document/navigation.h"
#include "render/colour_matrix.h"
#include "render/design_images.h"
#include "render/geometry_inputs.h"
#include "render/stone_images.h"

namespace mokuza::render {
namespace {

bool canStepBack(const RenderState& s) {
  return s.doc->currentMove() > (replayModeOn(s.doc->state.options) ? s.figureStart : 0);
}
bool canStepForward(const RenderState& s) {
  return s.doc->currentMove() < std::min(computeViewLimit(*s.doc), lastShowableMove(*s.doc));
}

int iconSize(const RenderState& s) { return devicePixels(16 * textScale(s), s.pixelRatio); }

// A drawn stand-in for an icon file that cannot be read: a raised grey key.
QImage drawnIcon(int size, bool pressed) {
  QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
  icon.fill(pressed ? QColor(170, 180, 195) : QColor(225, 228, 235));
  QPainter painter(&icon);
  painter.setPen(pressed ? QColor(90, 95, 105) : QColor(255, 255, 255));
  painter.drawLine(0, 0, size - 1, 0);
  painter.drawLine(0, 0, 0, size - 1);
  painter.setPen(pressed ? QColor(255, 255, 255) : QColor(120, 125, 135));
  painter.drawLine(size - 1, 0, size - 1, size - 1);
  painter.drawLine(0, size - 1, size - 1, size - 1);
  return icon;
}

// The file of icon i: "gra/command/" + prefix + name + ("_N" when pressed) + ".jpg".
std::filesystem::path iconFile(const RenderState& s, std::size_t i) {
  const std::string_view name = kIconNames[i];
  const bool back = name.ends_with("modo"), forward = name.ends_with("susu");
  std::string prefix = "M";
  if ((back && !canStepBack(s)) || (forward && !canStepForward(s)))
    prefix = replayModeOn(s.doc->state.options) ? "F" : "H";
  const std::string file = prefix + std::string(name) + (s.pressedIcons.test(i) ? "_N" : "") + ".jpg";
  return s.programFolder / "gra" / "command" / file;
}

}  // namespace

QRect iconRect(const RenderState& s, std::size_t i, int clientWidth) {
  const int size = iconSize(s);
  const int index = static_cast<int>(i);
  if (documentOption(s, DocumentOption::LayoutNo) == 2) {
    // Two rows of seven and eight over the panel at the right edge.
    int x = clientWidth - s.panelWidth + index * size, y = 0;
    if (index > 6) {
      x -= 7 * size;
      y += size;
    }
    return {x, y, size, size};
  }
  return {(index < 12 ? index + 3 : index - 12) * size, 0, size, size};
}

void paintIconStrip(QPainter& painter, const RenderState& s, int clientWidth, IconImages& loaded) {
  if (!s.panelShown) return;
  const bool brightSusu = s.doc->currentMove() > 0 && canStepForward(s);
  const int side = iconSize(s);
  for (std::size_t i = 0; i < kIconNames.size(); ++i) {
    const std::pair key{iconFile(s, i), side};
    auto it = loaded.find(key);
    if (it == loaded.end()) it = loaded.emplace(key, loadImageFile(key.first, QSize(side, side))).first;
    const QRect rect = iconRect(s, i, clientWidth);
    if (it->second.isNull()) {
      painter.drawImage(rect, drawnIcon(rect.width(), s.pressedIcons.test(i)));
    } else if (brightSusu && std::string_view(kIconNames[i]) == "susu") {
      ColourMatrix m = kIdentityMatrix;
      scaleColour(m, 1.1f, 1.1f, 0.8f);
      painter.drawImage(rect, tintedImage(it->second, m));
    } else {
      painter.drawImage(rect, it->second);
    }
  }
}

}  // namespace mokuza::render
