#include "app/list_menu.h"

#include <array>

#include "app/commands.h"
#include "app/list_window.h"
#include "app/menu_table.h"
#include "app/player_aliases.h"
#include "app/rename_session.h"
#include "app/search_session.h"
#include "app/startup.h"
#include "app/game_info_session.h"
#include "app/view_refresh.h"
#include "core/document/game_files.h"
#include "core/record/decimal.h"
#include "core/record/property_tables.h"
#include "core/record/text.h"
#include "playback/playlist_games.h"
#include "playlist/design_fields.h"
#include "playlist/file_moves.h"
#include "playlist/list_clipboard.h"
#include "playlist/list_games.h"
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
  std::vector<MenuItem> items{item(kCreatePlaylistCommand, u"プレイリストの作成(&N)"),
                              item(kOpenPlaylistCommand, u"プレイリストを開く(&P)"),
                              item(kSavePlaylistAsCommand, u"プレイリストを別名保存(&L)"), separator(),
                              item(kCloseListWindowCommand, u"ウィンドウを閉じる(&C)")};
  const bool fullPaths = switchOn(app.doc.globalOptions, GlobalOption::FileFull);
  const std::vector<std::u16string> recent = recentMenuTexts(app.doc.recentPlaylists, fullPaths);
  if (!recent.empty()) items.push_back(separator());
  for (std::size_t i = 0; i < recent.size(); ++i)
    items.push_back(item(kRecentPlaylistsFirstCommand + static_cast<int>(i), recent[i]));
  return items;
}

std::vector<MenuItem> editMenu(const Application& app) {
  return {item(kOpenListGameCommand, u"開く(&P)"),
          item(kAddGamesCommand, u"対局を追加(&I)"),
          item(kDeleteGamesCommand, u"リストから削除(&D)\tDelete"),
          separator(),
          item(kCopyGamesCommand, u"対局をコピー(&C)"),
          item(kCopyShownGameCommand, u"現在の対局をコピー(&H)"),
          item(kPasteDesignCommand, u"デザインを貼り付け(&V)"),
          item(kPasteGamesCommand, u"対局を貼り付け(&T)"),
          item(kPasteShownDesignCommand, u"現在のデザインを貼り付け(&J)"),
          item(kSwapDesignsCommand, u"デザインを入れ替え(&S)"),
          separator(),
          item(kSaveOrderCommand, u"現在の並び順を保存(&R)"),
          item(kRestoreOrderCommand, u"保存された並び順に戻す(&L)", canRestoreOrder(app.playlist)),
          separator(),
          item(kSelectAllCommand, u"すべて選択(&A)\tCtrl+A")};
}

std::vector<MenuItem> toolMenu() {
  return {item(kBatchGameInfoCommand, u"ゲーム情報一括編集(&G)"),
          item(kPartialSearchCommand, u"部分図検索(&F)\tCtrl+F"),
          item(kBlackPlayerDetailsCommand, u"黒対局者詳細(&B)"),
          item(kWhitePlayerDetailsCommand, u"白対局者詳細(&W)"),
          item(kPlayerAliasesCommand, u"別名（同一対局者）指定(&A)"),
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

const FileFieldInfo& fileFieldOf(int id, int first) { return kFileFields[static_cast<std::size_t>(id - first)]; }

bool inFileRange(int id, int first) { return id >= first && id < first + kFileCommandCount; }

// Design files may be stored relative to the program folder, with either separator.
void revealFile(Application& app, FileField field) {
  const int record = focusedRecord(app);
  if (record < 0) return;
  const std::filesystem::path path =
      designFilePath(app.playlist.entries[static_cast<std::size_t>(record)], field, app.programFolder);
  if (!path.empty()) app.services.revealInFileManager(path);
}

// A selection to move or rename, refused over the limit before any dialog opens.
bool mayMoveSelection(Application& app) {
  const std::size_t selected = selectedPlaces(app.playlist).size();
  if (selected <= static_cast<std::size_t>(kFileMoveLimit)) return selected > 0;
  app.services.messageBox({u"移動・名前変更は" + decimalText(kFileMoveLimit) + u"ファイルまでです（現在選択数 " +
                               decimalText(static_cast<std::int64_t>(selected)) + u"）",
                           u"Mokuza", platform::Buttons::Ok, platform::Icon::Warning});
  return false;
}

void startRename(Application& app, std::u16string label) {
  if (!mayMoveSelection(app)) return;
  app.listModel.renameLabel = std::move(label);
  app.window.showDialog(DialogKind::Rename);
}

void moveChosenFiles(Application& app, std::u16string_view label) {
  if (!mayMoveSelection(app)) return;
  const auto folder = app.services.browseFolder(u"移動先のフォルダ");
  if (!folder) return;
  PlaylistContext context = app.playlistContext();
  moveFiles(context, label, pathToText(*folder));
}

void openFocusedGame(Application& app) {
  const int record = focusedRecord(app);
  if (record < 0 || record + 1 == app.playlist.currentGameIndex) return;
  playback::OpenPlaylistGame(app.playback, record + 1, playback::kOpenHistoryText);
}

void addGameFiles(Application& app, const std::vector<std::u16string>& paths) {
  PlaylistContext context = app.playlistContext();
  app.listModel.adding = 0;
  addGames(context, paths, [&app](int read) {
    app.listModel.adding = read;
  });
  app.listModel.adding = -1;
}

// The open dialog's request for files of one kind.
platform::FileDialogRequest fileRequest(std::u16string_view title, std::u16string_view kind,
                                        std::u16string_view extension) {
  platform::FileDialogRequest dialog;
  dialog.title = std::u16string(title);
  dialog.filters = {
      {std::u16string(kind) + u" File(*." + std::u16string(extension) + u")", u"*." + std::u16string(extension)}};
  dialog.defaultExtension = std::u16string(extension);
  dialog.mustExist = true;
  return dialog;
}

// The open dialog for one kind of file; empty when cancelled.
std::optional<std::u16string> askForFile(Application& app, std::u16string_view title, std::u16string_view kind,
                                         std::u16string_view extension) {
  const auto chosen = app.services.openFileDialog(fileRequest(title, kind, extension));
  if (!chosen) return std::nullopt;
  return pathToText(*chosen);
}

// Any number of games chosen at once (Ctrl and Shift in the dialog).
void addGamesByDialog(Application& app) {
  if (app.playlist.isFull()) {
    // addGames says why.
    addGameFiles(app, {});
    return;
  }
  std::vector<std::u16string> paths;
  for (const std::filesystem::path& chosen : app.services.openFilesDialog(fileRequest(u"対局を追加", u"SGF", u"sgf")))
    paths.push_back(pathToText(chosen));
  if (!paths.empty()) addGameFiles(app, paths);
}

void openPlaylistByDialog(Application& app) {
  if (const auto chosen = askForFile(app, u"プレイリストを開く", u"GPL", u"gpl")) openPath(app, *chosen);
}

template <typename Change>
void changeList(Application& app, Change change) {
  PlaylistContext context = app.playlistContext();
  change(context);
}

void hideListWindow(Application& app) {
  if (app.lists.shown && app.lists.tab == ListTab::Playlist) toggleListWindow(app, ListTab::Playlist);
}

void showPlayerDetails(Application& app, int side) {
  const auto details = playerDetails(app, side);
  if (!details) return;
  std::u16string text;
  for (const std::u16string& row : details->rows) text += (text.empty() ? u"" : u"\n") + row;
  app.services.messageBox({text, details->title, platform::Buttons::Ok, platform::Icon::Information});
}

bool runFileCommand(Application& app, int id) {
  if (inFileRange(id, kRevealFileFirst)) revealFile(app, fileFieldOf(id, kRevealFileFirst).field);
  else if (inFileRange(id, kRenameFileFirst)) startRename(app, std::u16string(fileFieldOf(id, kRenameFileFirst).label));
  else if (inFileRange(id, kMoveFileFirst)) moveChosenFiles(app, fileFieldOf(id, kMoveFileFirst).label);
  else return false;
  return true;
}

bool runListCommand(Application& app, int id) {
  switch (id) {
    case kCreatePlaylistCommand: changeList(app, askAndCreatePlaylist); break;
    case kOpenPlaylistCommand: openPlaylistByDialog(app); break;
    case kSavePlaylistAsCommand: changeList(app, askAndSavePlaylistAs); break;
    case kCloseListWindowCommand: hideListWindow(app); break;
    case kOpenListGameCommand: openFocusedGame(app); break;
    case kAddGamesCommand: addGamesByDialog(app); break;
    case kDeleteGamesCommand: changeList(app, deleteGames); break;
    case kCopyGamesCommand: changeList(app, copyGames); break;
    case kCopyShownGameCommand: changeList(app, copyShownGame); break;
    case kPasteDesignCommand: changeList(app, [](PlaylistContext& c) { return pasteDesign(c, false); }); break;
    case kPasteGamesCommand: changeList(app, pasteGames); break;
    case kPasteShownDesignCommand: changeList(app, [](PlaylistContext& c) { return pasteDesign(c, true); }); break;
    case kSwapDesignsCommand: changeList(app, swapDesigns); break;
    case kSaveOrderCommand:
      saveOrder(app.playlist);
      break;
    case kRestoreOrderCommand: changeList(app, restoreOrder); break;
    case kBatchGameInfoCommand:
      if (!app.playlist.list.selected.empty()) openGameInfo(app, kGameInfoBatch);
      break;
    case kSelectAllCommand: selectAllRows(app); break;
    case kPartialSearchCommand: startSearch(app); break;
    case kBlackPlayerDetailsCommand: showPlayerDetails(app, 1); break;
    case kWhitePlayerDetailsCommand: showPlayerDetails(app, -1); break;
    case kPlayerAliasesCommand:
      if (beginAliases(app)) app.window.showDialog(DialogKind::PlayerAliases);
      break;
    default: return false;
  }
  return true;
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

bool listWindowCommand(Application& app, int id) {
  const EventScope scope(app);
  if (id >= kRecentPlaylistsFirstCommand && id < kRecentPlaylistsFirstCommand + kRecentPlaylistsCapacity) {
    OpenRequest request;
    request.source = OpenRequest::Source::Recent;
    request.recentIndex = id - kRecentPlaylistsFirstCommand;
    request.recentPlaylist = true;
    openGame(app.doc, app.services, request);
    return true;
  }
  const std::vector<std::string_view> columns = listColumnKeys();
  if (id >= kColumnToggleFirst && id < kColumnToggleFirst + static_cast<int>(columns.size())) {
    toggleListColumn(app, columns[static_cast<std::size_t>(id - kColumnToggleFirst)]);
    return true;
  }
  return pressStepButton(app, id) || runFileCommand(app, id) || runListCommand(app, id);
}

void onListDrop(Application& app, const std::vector<std::u16string>& paths) {
  const EventScope scope(app);
  std::vector<std::u16string> games;
  const std::u16string* playlistFile = nullptr;
  for (const std::u16string& path : paths) {
    if (isPlaylistPath(path)) playlistFile = &path;
    else games.push_back(path);
  }
  if (!games.empty()) addGameFiles(app, games);
  if (playlistFile) {
    openPath(app, *playlistFile);
  }
}

}  // namespace mokuza::app
