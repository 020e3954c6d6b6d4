#include "app/option_toggles.h"

#include <string>

#include "app/commands.h"
#include "app/layout.h"
#include "core/document/navigation.h"
#include "core/document/undo.h"
#include "core/record/text.h"
#include "playback/figure_replay.h"
#include "app/command_table.h"
#include "app/menu_table.h"
#include "settings/load_rotation.h"

namespace mokuza::app {
namespace {

// A switch turns off from any "on" value, and on to 1 from any other.
template <typename Option>
bool flipSwitch(OptionValues<Option>& options, Option which) {
  const bool on = !switchOn(options, which);
  options[which] = on ? 1 : 0;
  return on;
}

std::u16string onOffText(std::u16string_view name, bool on) {
  return std::u16string(name) + (on ? u"〈オン〉" : u"〈オフ〉");
}

}  // namespace

void toggleReplayMode(Application& app, std::u16string_view offDescription) {
  Document& doc = app.doc;
  const bool on = flipSwitch(doc.state.options, DocumentOption::ReplayMode);
  if (on) {
    const PlaylistEntry* entry = shownEntry(app.playlist);
    setDesignValue(doc.state.design, DesignField::LastMove,
                   entry ? designValue(*entry, DesignField::LastMove) : kLastMoveWhole);
  }
  syncClassifierOptions(app);
  // Replay mode names the moves and limits the view: both need the replay.
  recomputePositions(doc, 0);
  playback::refreshFigureEnds(app.playback);
  if (on) {
    const int end = playback::showableEnd(doc);
    const int figureEnd = playback::nextFigureEnd(app.playback.autoPlay.figureEnds, doc.currentMove() - 1, end);
    showMove(doc, std::min(figureEnd, end));
  }
  recordUndo(doc, on || offDescription.empty() ? onOffText(u"棋譜並べモード", on) : std::u16string(offDescription));
  app.repaint();
}

void toggleAutoNextFigure(Application& app) {
  const bool on = flipSwitch(app.doc.state.options, DocumentOption::AutoNextGame);
  recordUndo(app.doc, onOffText(u"次譜自動再生", on));
}

void toggleMoveNames(Application& app) {
  flipSwitch(app.doc.globalOptions, GlobalOption::MoveInfo);
  syncClassifierOptions(app);
  recomputePositions(app.doc, 0);
  app.repaint();
}

void toggleGlobalSwitch(Application& app, GlobalOption option) { flipSwitch(app.doc.globalOptions, option); }

namespace {


void chooseTextSize(Application& app, int size) {
  app.doc.state.options[DocumentOption::TextSize] = size;
  applyTextSize(app);
  recordUndo(app.doc, u"文字・アイコンのサイズ：" + asciiToUtf16(std::to_string(size)));
}

void chooseBoardRotation(Application& app, const SubMenuInfo& rotations, int place) {
  std::int32_t& value = app.doc.state.options[DocumentOption::LoadRotation];
  value = chooseRotation(value, static_cast<RotationChoice>(place));
  recordUndo(app.doc, u"碁盤の自動回転：" + std::u16string(plainLabel(rotations.items[static_cast<std::size_t>(place)])));
}

}  // namespace

bool chooseSubMenuItem(Application& app, int id) {
  const SubMenuInfo* sub = findSubMenu(id);
  if (sub == nullptr) return false;
  const int place = id - sub->firstId;
  switch (sub->parent) {
    case Command::StartupDesign: app.doc.globalOptions[GlobalOption::StartupDesign] = place + 1; break;
    case Command::ImageOutput:
      app.doc.globalOptions[GlobalOption::ImageOutput] = id;
      app.paintState.flags.rebuildImages = true;
      app.repaint();
      break;
    case Command::TextSize: chooseTextSize(app, place + 1); break;
    case Command::Rotation: chooseBoardRotation(app, *sub, place); break;
    default: return false;
  }
  return true;
}

}  // namespace mokuza::app
