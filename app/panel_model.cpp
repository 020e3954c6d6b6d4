#include "app/panel_model.h"

#include <algorithm>

#include "app/board_input.h"
#include "app/design_controls.h"
#include "app/layout.h"
#include "app/status_texts.h"
#include "app/view_refresh.h"
#include "core/document/options.h"
#include "render/render_state.h"

namespace mokuza::app {
namespace {

using enum PanelControlKind;

constexpr std::array<std::u16string_view, 13> kEditButtons{
    u"パス",     u"てばん変更", u"一手削除",   u"以下削除",   u"範囲削除",   u"左右反転",  u"上下反転",
    u"90度回転", u"黒白反転",   u"下へずらす", u"左へずらす", u"右へずらす", u"上へずらす"};

constexpr std::array<std::u16string_view, 9> kInputTools{u"着手", u"黒石", u"白石", u"△印",     u"□印",
                                                         u"○印",  u"×印",  u"文字", u"選択範囲"};

// The tab row above the page container, in units of s.
constexpr int kTabRowHeight = 14;
// The "設定" rows: their pitch and height, in units of s.
constexpr int kRowPitch = 11;
constexpr int kRowHeight = 10;
constexpr int kRowTop = 6;

// Everything placed in units of s stays inside the page container.
struct Placer {
  int s;
  Rect content;
  Rect at(int x, int y, int width, int height) const {
    const int left = std::min(x * s, content.right);
    const int top = std::min(y * s, content.bottom);
    return {left, top, std::min(left + width * s, content.right), std::min(top + height * s, content.bottom)};
  }
  // From (x, y) to the container's edges less a margin, all in units of s.
  Rect fill(int x, int y, int margin) const {
    return {x * s, y * s, std::max(x * s, content.right - margin * s), std::max(y * s, content.bottom - margin * s)};
  }
};

PanelControl control(int id, PanelControlKind kind, int page, std::u16string_view text, Rect rect) {
  PanelControl c;
  c.id = id;
  c.kind = kind;
  c.page = page;
  c.text = std::u16string(text);
  c.rect = rect;
  return c;
}

void addInputPage(const Application& app, const Placer& at, std::vector<PanelControl>& out) {
  for (std::size_t i = 0; i < kEditButtons.size(); ++i) {
    const int id = kPassButton + static_cast<int>(i);
    PanelControl c =
        control(id, PushButton, kInputPage, kEditButtons[i], at.at(84, 12 * static_cast<int>(i) + 30, 36, 12));
    if (id == kDeleteMoveButton || id == kDeleteFromHereButton) c.enabled = app.doc.currentMove() > 0 && !replayModeOn(app.doc.state.options);
    if (id == kDeleteRangeButton) c.enabled = rangeDeleteEnabled(app);
    out.push_back(std::move(c));
  }
  for (std::size_t i = 0; i < kInputTools.size(); ++i) {
    const int id = render::kInputPlay + static_cast<int>(i);
    PanelControl c =
        control(id, RadioButton, kInputPage, kInputTools[i], at.at(12, 10 * static_cast<int>(i) + 32, 34, 10));
    c.checked = app.inputMode == id;
    out.push_back(std::move(c));
  }
  // Beside "文字", whose letters it holds.
  out.push_back(control(kLabelTextEdit, Edit, kInputPage, app.labelText, at.at(48, 102, 30, 10)));
  PanelControl hide = control(kHideBox, CheckBox, kInputPage, u"非表示", at.at(12, 124, 40, 10));
  hide.enabled = false;
  out.push_back(std::move(hide));
}

void addInformationPages(const Application& app, const Placer& at, std::vector<PanelControl>& out) {
  out.push_back(control(kGameInfoButton, PushButton, kGameInfoPage, u"編集", at.at(6, 4, 36, 12)));
  PanelControl result = control(kResultDisplayBox, CheckBox, kGameInfoPage, u"結果表示", at.at(48, 4, 60, 12));
  result.checked = switchOn(app.doc.globalOptions, GlobalOption::ResultDisplay);
  out.push_back(std::move(result));
  out.push_back(control(kGameInfoText, MultiLineText, kGameInfoPage, gameInfoPageText(app), at.fill(6, 20, 6)));
  out.push_back(control(kMoveInfoButton, PushButton, kMoveInfoPage, u"編集", at.at(6, 4, 36, 12)));
  out.push_back(control(kMoveInfoText, ReadOnlyText, kMoveInfoPage, moveInfoPageText(app), at.fill(6, 20, 6)));
}

PanelControlKind kindOf(DesignControlForm form) {
  switch (form) {
    case DesignControlForm::Choice: return Choice;
    case DesignControlForm::Check: return CheckBox;
    case DesignControlForm::Number: break;
  }
  return SpinEdit;
}

void addSettingsPage(const Application& app, const Placer& at, std::vector<PanelControl>& out) {
  const std::span<const DesignControl> rows = settingsPageControls();
  int y = kRowTop;
  for (std::size_t i = 0; i < rows.size(); ++i, y += kRowPitch) {
    const DesignControl& row = rows[i];
    PanelControl c = control(kSettingRowFirst + static_cast<int>(i), kindOf(row.form), kSettingsPage, row.label(),
                             at.at(6, y, 150, kRowHeight));
    c.value = shownValue(app, row);
    c.low = row.low;
    c.high = row.high;
    c.step = row.step;
    for (const std::u16string_view name : row.names) c.choices.emplace_back(name);
    // A tick shows the value; any other row marks itself as the chosen one.
    c.checked = row.form == DesignControlForm::Check ? c.value != 0 : app.panel.settingRow == static_cast<int>(i);
    out.push_back(std::move(c));
  }
  out.push_back(control(kTypefaceEdit, Edit, kSettingsPage, shownTypeface(app), at.at(6, y, 150, kRowHeight)));
  PanelControl apply = control(kApplyToPlaylistButton, PushButton, kSettingsPage, u"プレイリスト全体へ適用",
                               at.at(6, y + kRowPitch + 2, 90, 12));
  apply.enabled = !app.playlist.path.empty() && app.playlist.gameCount() > 0;
  out.push_back(std::move(apply));
}

const DesignControl* settingRow(int id) {
  const std::span<const DesignControl> rows = settingsPageControls();
  const int row = id - kSettingRowFirst;
  return row >= 0 && row < static_cast<int>(rows.size()) ? &rows[static_cast<std::size_t>(row)] : nullptr;
}

}  // namespace

const PanelControl* PanelModel::find(int id) const {
  const auto it = std::find_if(controls.begin(), controls.end(), [id](const PanelControl& c) { return c.id == id; });
  return it == controls.end() ? nullptr : &*it;
}

PanelModel buildPanel(const Application& app) {
  PanelModel model;
  const int s = textScale(app);
  model.textScale = s;
  const Size size = panelSize(s);
  const bool rightEdge = panelAtRightEdge(app.doc.state.options);
  const int left = rightEdge ? std::max(0, app.layout.client.width - size.width) : 0;
  const int top = 20 * s;
  model.frame = {left, top, left + size.width, top + size.height};
  model.content = {0, 0, size.width, std::max(0, size.height - kTabRowHeight * s)};
  model.page = std::clamp(app.layout.panelPage, 0, static_cast<int>(kPanelTabs.size()) - 1);
  const Placer at{s, model.content};
  addInformationPages(app, at, model.controls);
  addInputPage(app, at, model.controls);
  addSettingsPage(app, at, model.controls);
  return model;
}

int settingRowId(DesignField field) {
  const std::span<const DesignControl> rows = settingsPageControls();
  const auto it = std::find_if(rows.begin(), rows.end(), [field](const DesignControl& c) { return c.field == field; });
  return it == rows.end() ? -1 : kSettingRowFirst + static_cast<int>(it - rows.begin());
}

void setLabelText(Application& app, std::u16string_view text) { app.labelText = std::u16string(text); }

void selectSettingRow(Application& app, int id) {
  const EventScope scope(app);
  if (settingRow(id)) app.panel.settingRow = id - kSettingRowFirst;
}

bool setSettingValue(Application& app, int id, int value) {
  const EventScope scope(app);
  const DesignControl* row = settingRow(id);
  if (!row) return false;
  app.panel.settingRow = id - kSettingRowFirst;
  return setDesignControl(app, *row, value);
}

bool toggleSettingCheck(Application& app, int id) {
  const DesignControl* row = settingRow(id);
  if (!row || row->form != DesignControlForm::Check) return false;
  app.panel.settingRow = id - kSettingRowFirst;
  setDesignControl(app, *row, shownValue(app, *row) != 0 ? 0 : 1);
  return true;
}

void applySettingToPlaylist(Application& app) {
  const EventScope scope(app);
  if (const DesignControl* row = settingRow(kSettingRowFirst + app.panel.settingRow))
    applyToWholePlaylist(app, row->field);
}

void onMoveInfoPageDoubleClick(Application& app) { app.window.showDialog(DialogKind::MoveInfo); }

}  // namespace mokuza::app
