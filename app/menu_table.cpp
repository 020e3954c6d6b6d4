#include "app/menu_table.h"

#include <algorithm>
#include <array>

#include "app/command_table.h"
#include "core/document/recent_files.h"
#include "core/record/text.h"
#include "settings/load_rotation.h"

namespace mokuza::app {
namespace {

constexpr std::array<std::u16string_view, 5> kMenuTitles{
    u"ファイル(&F)", u"編集(&M)", u"表示(&V)", u"全体設定(&S)", u"デバッグ",
};

struct MenuCheck {
  int id = 0;
  bool checked = false;
  bool enabled = true;
};

void addRadioGroup(std::vector<MenuCheck>& items, int first, int count, int selected) {
  for (int id = first; id < first + count; ++id) items.push_back({id, id == selected});
}

// Every check item and every item of the four radio groups, with its state.
std::vector<MenuCheck> menuChecks(const GlobalOptions& global, const DocumentOptions& document) {
  std::vector<MenuCheck> items;
  const bool replayMode = replayModeOn(document);
  items.push_back({commandId(Command::ReplayMode), replayMode});
  // Playing the next game on is part of replay mode.
  items.push_back(
      {commandId(Command::AutoNextFigure), switchOn(document, DocumentOption::AutoNextGame), replayMode});
  items.push_back({commandId(Command::MoveNames), switchOn(global, GlobalOption::MoveInfo)});
  items.push_back({commandId(Command::VariationMarks), switchOn(global, GlobalOption::VariationMarks)});
  items.push_back({commandId(Command::FullPaths), switchOn(global, GlobalOption::FileFull)});
  items.push_back({commandId(Command::HistoryOutput), switchOn(global, GlobalOption::HistoryOutput)});
  items.push_back({commandId(Command::MusicMode), musicModeOn(document)});

  addRadioGroup(items, kImageOutputFirstItem, kImageOutputLastItem - kImageOutputFirstItem + 1,
                option(global, GlobalOption::ImageOutput));
  addRadioGroup(items, kTextSizeFirstItem, 4, kTextSizeFirstItem - 1 + option(document, DocumentOption::TextSize));
  addRadioGroup(items, kStartupDesignFirstItem, 4,
                kStartupDesignFirstItem - 1 + option(global, GlobalOption::StartupDesign));
  addRadioGroup(items, kRotationFirstItem, 4,
                kRotationFirstItem + static_cast<int>(rotationChoice(option(document, DocumentOption::LoadRotation))));
  return items;
}

MenuItem labelledItem(int id, std::u16string label) {
  MenuItem item;
  item.id = id;
  item.label = std::move(label);
  item.separator = item.label == kSeparatorLabel;
  return item;
}

MenuItem separatorItem(int id = 0) { return labelledItem(id, std::u16string(kSeparatorLabel)); }

// The check and enabled state the options give an item, if any.
void applyCheck(const std::vector<MenuCheck>& checks, MenuItem& item) {
  const auto found = std::find_if(checks.begin(), checks.end(), [&](const MenuCheck& c) { return c.id == item.id; });
  if (found == checks.end()) return;
  item.checked = found->checked;
  item.enabled = found->enabled;
}

std::u16string number(int value) { return asciiToUtf16(std::to_string(value)); }

std::u16string undoDescription(const Document& doc, int index) {
  return index >= 0 && index < static_cast<int>(doc.undoEntries.size())
             ? doc.undoEntries[static_cast<std::size_t>(index)].description
             : u"";
}

// "取り消し  2/5 - 二(&Z)": the entry undo or redo goes to, before the mnemonic.
void describeHistoryStep(MenuItem& item, std::u16string_view gap, const Document& doc, int entry) {
  const std::size_t mnemonic = std::min(item.label.find(u'('), item.label.size());
  item.label.insert(mnemonic, std::u16string(gap) + number(entry) + u"/" + number(doc.undoCount) + u" - " +
                                  undoDescription(doc, entry));
}

// Undo and redo read the history; auto-play greys them and the history items.
void applyUndoMenu(const Application& app, Command command, MenuItem& item) {
  const Document& doc = app.doc;
  const bool idle = !autoPlayRunning(app);
  // An empty history (nothing recorded yet) has no entry to describe.
  const int stored = static_cast<int>(doc.undoEntries.size());
  if (command == Command::Undo) {
    item.enabled = doc.undoIndex > 0 && doc.undoIndex < stored;
    if (item.enabled) describeHistoryStep(item, u"  ", doc, doc.undoIndex);
    item.enabled = item.enabled && idle;
  } else if (command == Command::Redo) {
    item.enabled = doc.undoIndex < doc.undoCount && doc.undoIndex + 1 < stored;
    if (item.enabled) describeHistoryStep(item, u" ", doc, doc.undoIndex + 1);
    item.enabled = item.enabled && idle;
  } else if (command == Command::History) {
    for (int k = 0; k <= doc.undoCount && k < stored; ++k) {
      const int index = doc.undoCount - k;
      MenuItem entry = labelledItem(kHistoryFirstCommand + k, undoDescription(doc, index));
      entry.radio = true;
      entry.checked = index == doc.undoIndex;
      entry.enabled = idle;
      item.items.push_back(std::move(entry));
    }
  }
}

// The file menu's last items follow the recent games; as its last ids they
// move no other item.
constexpr std::array<Command, 2> kFileMenuTail{Command::LoadSettings, Command::SaveImage};

void appendFileMenuTail(const Application& app, MenuItem& file) {
  const bool fullPaths = switchOn(app.doc.globalOptions, GlobalOption::FileFull);
  const std::vector<std::u16string> recent = recentMenuTexts(app.doc.recentGames, fullPaths);
  if (!recent.empty()) file.items.push_back(separatorItem());
  for (std::size_t i = 0; i < recent.size(); ++i)
    file.items.push_back(labelledItem(kRecentGamesFirstCommand + static_cast<int>(i), recent[i]));
  file.items.push_back(separatorItem());
  for (const Command command : kFileMenuTail) {
    const CommandInfo& info = commandInfo(command);
    file.items.push_back(labelledItem(info.id, menuText(info.label, info.shortcut)));
  }
}

// The three list items check the tab the list window shows.
void applyListCheck(const Application& app, Command command, MenuItem& item) {
  const auto check = [&](ListTab tab) { item.checked = app.lists.shown && app.lists.tab == tab; };
  if (command == Command::Playlist) check(ListTab::Playlist);
  if (command == Command::EventList) check(ListTab::EventList);
  if (command == Command::FigureList) check(ListTab::FigureList);
}

void addSubMenuItems(Command command, MenuItem& item, const std::vector<MenuCheck>& checks) {
  for (const SubMenuInfo& sub : subMenuTable()) {
    if (sub.parent != command) continue;
    for (std::size_t k = 0; k < sub.items.size(); ++k) {
      MenuItem choice = labelledItem(sub.firstId + static_cast<int>(k), std::u16string(sub.items[k]));
      choice.radio = true;
      applyCheck(checks, choice);
      item.items.push_back(std::move(choice));
    }
  }
}

MenuItem commandItem(const Application& app, const CommandInfo& info, const std::vector<MenuCheck>& checks) {
  MenuItem item = labelledItem(info.id, menuText(info.label, info.shortcut));
  applyCheck(checks, item);
  applyUndoMenu(app, info.command, item);
  applyListCheck(app, info.command, item);
  addSubMenuItems(info.command, item, checks);
  return item;
}

}  // namespace

std::u16string menuText(std::u16string_view label, std::u16string_view shortcut) {
  std::u16string text(label);
  if (!shortcut.empty()) text.append(u"\t").append(shortcut);
  return text;
}

std::span<const std::u16string_view> menuTitles() { return kMenuTitles; }

std::u16string_view plainLabel(std::u16string_view label) { return label.substr(0, label.find(u'(')); }

MenuModel buildMenuModel(const Application& app) {
  const std::vector<MenuCheck> checks = menuChecks(app.doc.globalOptions, app.doc.state.options);
  MenuModel model;
  for (std::size_t m = 0; m < kMenuTitles.size(); ++m)
    model.menus.push_back(labelledItem(0, std::u16string(kMenuTitles[m])));
  for (const CommandInfo& info : commandTable()) {
    if (std::ranges::find(kFileMenuTail, info.command) != kFileMenuTail.end()) continue;
    const int menu = (info.id - kMenuFirstCommand) / kMenuStride;
    MenuItem& parent = model.menus.at(static_cast<std::size_t>(menu));
    // A gap in the ids is a separator, which keeps its place's id.
    const int first = kMenuFirstCommand + kMenuStride * menu;
    for (int id = first + static_cast<int>(parent.items.size()); id < info.id; ++id)
      parent.items.push_back(separatorItem(id));
    parent.items.push_back(commandItem(app, info, checks));
  }
  appendFileMenuTail(app, model.menus.front());
  return model;
}

}  // namespace mokuza::app
