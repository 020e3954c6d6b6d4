// The controls of the side panel's pages: the input tools, the deletion
// buttons, the game-information button and the result check box.

#include "app/board_input.h"
#include "app/status_texts.h"
#include "core/document/editing.h"
#include "render/render_state.h"

namespace mokuza::app {
namespace {

constexpr int kDeleteMoveButton = 1113;      // "一手削除"
constexpr int kDeleteFromHereButton = 1114;  // "以下削除"
constexpr int kDeleteRangeButton = 1115;     // "範囲削除"
constexpr int kGameInfoButton = 1003;        // "編集"
constexpr int kResultDisplayBox = 1301;      // "結果表示"

bool deleted(Application& app, int id) {
  Document& doc = app.doc;
  switch (id) {
    case kDeleteMoveButton: return deleteMove(doc);
    case kDeleteFromHereButton: return deleteFromHere(doc, app.services);
    case kDeleteRangeButton: return app.inputMode == render::kInputRange && deleteRange(doc);
    default: return false;
  }
}

}  // namespace

// "パス", "てばん変更" and the transforms of the record (1111, 1112,
// 1116-1123) come with the board editor.
void Application::onPanelCommand(int id) {
  if (id >= render::kInputPlay && id <= render::kInputRange) {
    selectInputMode(*this, id);
  } else if (id == kGameInfoButton) {
    window.showDialog(DialogKind::GameInfo);
  } else if (id == kResultDisplayBox) {
    auto& shown = doc.globalOptions[GlobalOption::ResultDisplay];
    shown = shown == 1 ? 0 : 1;
    refreshStatusText(*this);
  } else if (deleted(*this, id)) {
    refreshAfterEdit(*this);
  }
}

}  // namespace mokuza::app
