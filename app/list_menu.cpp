#include "app/list_menu.h"

#include <array>

#include "app/list_command_table.h"
#include "app/menu_table.h"
#include "core/document/recent_files.h"
#include "core/record/property_tables.h"
#include "playlist/design_fields.h"
#include "playlist/list_order.h"
#include "playlist/list_texts.h"

namespace mokuza::app {
namespace {

// The items of the three file sub-menus, in the order of the file fields.
constexpr std::array<std::u16string_view, kFileCommandCount> kFileItemLabels{
    u"棋譜", u"黒石画像", u"白石画像", u"背景画像", u"碁盤画像", u"星画像", u"黒石音", u"白石音"};

MenuItem item(int id, std::u16string_view label, bool enabled = true) {
  MenuItem made;
  made.id = id;
  made.label = std::u16string(label);
  made.enabled = enabled;
  return made;
}

MenuItem item(ListCommand command, bool enabled = true) {
  const ListCommandInfo& info = listCommandInfo(command);
  return item(info.id, menuText(info.label, info.shortcut), enabled);
}

MenuItem separator() {
  MenuItem made;
  made.label = std::u16string(kSeparatorLabel);
  made.separator = true;
  return made;
}

MenuItem subMenu(std::u16string_view label, std::vector<MenuItem> items) {
  MenuItem made = item(0, label);
  made.items = std::move(items);
  return made;
}

MenuItem fileSubMenu(std::u16string_view label, int firstId) {
  std::vector<MenuItem> items;
  for (int i = 0; i < kFileCommandCount; ++i)
    items.push_back(item(firstId + i, kFileItemLabels[static_cast<std::size_t>(i)]));
  return subMenu(label, std::move(items));
}

bool columnShown(const ColumnLayout& layout, std::string_view key) {
  for (const ListColumn& column : layout.columns)
    if (column.key == key) return column.iorder >= 0;
  return false;
}

std::vector<MenuItem> fileMenu(const Application& app) {
  std::vector<MenuItem> items{item(ListCommand::CreatePlaylist), item(ListCommand::OpenPlaylist),
                              item(ListCommand::SavePlaylistAs), separator(), item(ListCommand::CloseWindow)};
  const bool fullPaths = switchOn(app.doc.globalOptions, GlobalOption::FileFull);
  const std::vector<std::u16string> recent = recentMenuTexts(app.doc.recentPlaylists, fullPaths);
  if (!recent.empty()) items.push_back(separator());
  for (std::size_t i = 0; i < recent.size(); ++i)
    items.push_back(item(kRecentPlaylistsFirstCommand + static_cast<int>(i), recent[i]));
  return items;
}

std::vector<MenuItem> editMenu(const Application& app) {
  return {item(ListCommand::OpenGame),
          item(ListCommand::AddGames),
          item(ListCommand::DeleteGames),
          separator(),
          item(ListCommand::CopyGames),
          item(ListCommand::CopyShownGame),
          item(ListCommand::PasteDesign),
          item(ListCommand::PasteGames),
          item(ListCommand::PasteShownDesign),
          item(ListCommand::SwapDesigns),
          separator(),
          item(ListCommand::SaveOrder),
          item(ListCommand::RestoreOrder, canRestoreOrder(app.playlist)),
          separator(),
          item(ListCommand::SelectAll)};
}

std::vector<MenuItem> toolMenu() {
  return {item(ListCommand::BatchGameInfo),
          item(ListCommand::PartialSearch),
          item(ListCommand::BlackPlayerDetails),
          item(ListCommand::WhitePlayerDetails),
          item(ListCommand::PlayerAliases),
          separator(),
          fileSubMenu(u"ファイルの場所を開く(&O)", kRevealFileFirst),
          fileSubMenu(u"ファイルの場所を移動(&M)", kMoveFileFirst),
          fileSubMenu(u"ファイルの名前を変更(&N)", kRenameFileFirst)};
}

std::vector<MenuItem> columnMenu(const Application& app) {
  std::vector<MenuItem> items;
  const std::vector<std::string_view> keys = listColumnKeys();
  for (std::size_t i = 0; i < keys.size(); ++i) {
    MenuItem column = item(kColumnToggleFirst + static_cast<int>(i), labelForKey(keys[i]));
    column.checked = columnShown(app.playlist.columns, keys[i]);
    items.push_back(std::move(column));
  }
  return items;
}

}  // namespace

std::vector<std::string_view> listColumnKeys() {
  std::vector<std::string_view> keys;
  for (const LabelKey& row : kLeadingColumns) keys.push_back(row.key);
  for (const PropertyField& row : kGameInfoFields) keys.push_back(row.key);
  for (const FileFieldInfo& row : kFileFields)
    if (row.label != kSgfFileLabel) keys.push_back(row.key);
  for (const DesignFieldInfo& row : kDesignFields)
    if (row.group != DesignGroup::Unlisted) keys.push_back(row.key);
  return keys;
}

MenuModel buildListMenu(const Application& app) {
  MenuModel model;
  model.menus = {subMenu(u"ファイル(&F)", fileMenu(app)), subMenu(u"編集(&E)", editMenu(app)),
                 subMenu(u"ツール(&T)", toolMenu()), subMenu(u"リスト項目(&V)", columnMenu(app))};
  return model;
}

}  // namespace mokuza::app
