// The controls of the side panel's pages: the input tools, the edit buttons,
// the game-information button and the result check box.

#include <array>
#include <string_view>

#include "app/board_input.h"
#include "app/event_list.h"
#include "app/panel_model.h"
#include "app/status_texts.h"
#include "app/view_refresh.h"
#include "app/game_info_session.h"
#include "core/document/editing.h"
#include "core/document/record_transforms.h"
#include "playback/live_notes.h"
#include "render/render_state.h"

namespace mokuza::app {
namespace {

struct TransformButton {
  RecordTransform transform;
  std::u16string_view label;  // also the line of the history
};
constexpr std::array<TransformButton, 8> kTransformButtons{{
    {RecordTransform::MirrorLeftRight, u"左右反転"},
    {RecordTransform::MirrorTopBottom, u"上下反転"},
    {RecordTransform::Rotate90, u"90度回転"},
    {RecordTransform::SwapColours, u"黒白反転"},
    {RecordTransform::ShiftDown, u"下へずらす"},
    {RecordTransform::ShiftLeft, u"左へずらす"},
    {RecordTransform::ShiftRight, u"右へずらす"},
    {RecordTransform::ShiftUp, u"上へずらす"},
}};

// The range tool's region, or the moves chosen in the event list, limit a transform.
bool transformed(Application& app, const TransformButton& button) {
  TransformScope scope;
  if (app.inputMode == render::kInputRange && app.doc.state.selection.active) scope.region = &app.doc.state.selection;
  scope.moves = &chosenEventMoves(app);
  return transformRecord(app.doc, button.transform, scope, button.label);
}

// A pass is played as a click in play mode plays, with the stone sound.
bool passed(Application& app) {
  Document& doc = app.doc;
  const int before = doc.currentMove();
  if (!playAt(doc, app.services, RecordPoint{kPassPoint})) return doc.currentMove() != before;
  playback::PlayStoneSound(app.playback.live, app.services, doc, doc.currentMove(), false, app.programFolder);
  return true;
}

bool edited(Application& app, int id) {
  Document& doc = app.doc;
  const auto transform = static_cast<std::size_t>(id - kFirstTransformButton);
  if (transform < kTransformButtons.size()) return transformed(app, kTransformButtons[transform]);
  switch (id) {
    case kPassButton: return passed(app);
    case kDeleteMoveButton: return deleteMove(doc);
    case kDeleteFromHereButton: return deleteFromHere(doc, app.services);
    case kDeleteRangeButton: return rangeDeleteEnabled(app) && deleteRange(doc);
    default: return false;
  }
}

}  // namespace

void Application::onPanelCommand(int id) {
  const EventScope scope(*this);
  if (toggleSettingCheck(*this, id)) return;
  if (id >= render::kInputPlay && id <= render::kInputRange) {
    selectInputMode(*this, id);
  } else if (id == kGameInfoButton) {
    openGameInfo(*this, kGameInfoSingle);
  } else if (id == kMoveInfoButton) {
    window.showDialog(DialogKind::MoveInfo);
  } else if (id == kResultDisplayBox) {
    auto& shown = doc.globalOptions[GlobalOption::ResultDisplay];
    shown = shown == 1 ? 0 : 1;
  } else if (id == kColourToPlayButton) {
    doc.colourToPlay = static_cast<std::int8_t>(-doc.colourToPlay);
    repaint();
  } else if (edited(*this, id)) {
    refreshShownMove(*this);
  }
}

}  // namespace mokuza::app
