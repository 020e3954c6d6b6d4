#include <algorithm>

#include "app/commands.h"
#include "app/game_info_session.h"
#include "app/list_command_table.h"
#include "app/list_menu.h"
#include "app/list_window.h"
#include "app/player_aliases.h"
#include "app/rename_session.h"
#include "app/search_session.h"
#include "app/startup.h"
#include "app/view_refresh.h"
#include "core/document/game_files.h"
#include "core/document/recent_files.h"
#include "core/record/decimal.h"
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

// Every change of the list goes through the playlist's own commands, so it
// is written to the playlist file and recorded like the others.
template <ListOutcome (*change)(PlaylistContext&)>
void changeList(Application& app) {
  PlaylistContext context = app.playlistContext();
  change(context);
}

template <bool fromShownDesign>
void pasteDesignInto(Application& app) {
  PlaylistContext context = app.playlistContext();
  pasteDesign(context, fromShownDesign);
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
  addGames(context, paths, [&app](int read) { app.listModel.adding = read; });
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
  if (const auto chosen = app.services.openFileDialog(fileRequest(u"プレイリストを開く", u"GPL", u"gpl")))
    openPath(app, pathToText(*chosen));
}

void hideListWindow(Application& app) {
  if (app.lists.shown && app.lists.tab == ListTab::Playlist) toggleListWindow(app, ListTab::Playlist);
}

void openBatchGameInfo(Application& app) {
  if (!app.playlist.list.selected.empty()) openGameInfo(app, kGameInfoBatch);
}

template <int side>
void showPlayerDetails(Application& app) {
  const auto details = playerDetails(app, side);
  if (!details) return;
  std::u16string text;
  for (const std::u16string& row : details->rows) text += (text.empty() ? u"" : u"\n") + row;
  app.services.messageBox({text, details->title, platform::Buttons::Ok, platform::Icon::Information});
}

void startPartialSearch(Application& app) { startSearch(app); }

void editPlayerAliases(Application& app) {
  if (beginAliases(app)) app.window.showDialog(DialogKind::PlayerAliases);
}

// clang-format off
constexpr std::array<ListCommandInfo, 21> kListCommandTable{{
    {ListCommand::CreatePlaylist, 1121, u"プレイリストの作成(&N)", u"", changeList<askAndCreatePlaylist>},
    {ListCommand::OpenPlaylist, 32771, u"プレイリストを開く(&P)", u"", openPlaylistByDialog},
    {ListCommand::SavePlaylistAs, 32772, u"プレイリストを別名保存(&L)", u"", changeList<askAndSavePlaylistAs>},
    {ListCommand::CloseWindow, 1, u"ウィンドウを閉じる(&C)", u"", hideListWindow},
    {ListCommand::OpenGame, 32975, u"開く(&P)", u"", openFocusedGame},
    {ListCommand::AddGames, 1129, u"対局を追加(&I)", u"", addGamesByDialog},
    {ListCommand::DeleteGames, 1130, u"リストから削除(&D)", u"Delete", changeList<deleteGames>},
    {ListCommand::CopyGames, 1122, u"対局をコピー(&C)", u"", changeList<copyGames>},
    {ListCommand::CopyShownGame, 1124, u"現在の対局をコピー(&H)", u"", changeList<copyShownGame>},
    {ListCommand::PasteDesign, 1123, u"デザインを貼り付け(&V)", u"", pasteDesignInto<false>},
    {ListCommand::PasteGames, 1131, u"対局を貼り付け(&T)", u"", changeList<pasteGames>},
    {ListCommand::PasteShownDesign, 1125, u"現在のデザインを貼り付け(&J)", u"", pasteDesignInto<true>},
    {ListCommand::SwapDesigns, 1126, u"デザインを入れ替え(&S)", u"", changeList<swapDesigns>},
    {ListCommand::SaveOrder, 1127, u"現在の並び順を保存(&R)", u"", [](Application& a) { saveOrder(a.playlist); }},
    {ListCommand::RestoreOrder, 1128, u"保存された並び順に戻す(&L)", u"", changeList<restoreOrder>},
    {ListCommand::SelectAll, 32917, u"すべて選択(&A)", u"Ctrl+A", selectAllRows},
    {ListCommand::BatchGameInfo, 32924, u"ゲーム情報一括編集(&G)", u"", openBatchGameInfo},
    {ListCommand::PartialSearch, 32931, u"部分図検索(&F)", u"Ctrl+F", startPartialSearch},
    {ListCommand::BlackPlayerDetails, 32971, u"黒対局者詳細(&B)", u"", showPlayerDetails<1>},
    {ListCommand::WhitePlayerDetails, 32972, u"白対局者詳細(&W)", u"", showPlayerDetails<-1>},
    {ListCommand::PlayerAliases, 32973, u"別名（同一対局者）指定(&A)", u"", editPlayerAliases},
}};
// clang-format on

// The enum and the table go in the same order, so a command is its own index.
constexpr bool tableFollowsEnum() {
  for (std::size_t i = 0; i < kListCommandTable.size(); ++i)
    if (static_cast<std::size_t>(kListCommandTable[i].command) != i) return false;
  return true;
}
static_assert(tableFollowsEnum());

// The ranges keep clear of each other and of the table's ids.
constexpr bool rangesApart() {
  const auto inside = [](int id, int first, int count) { return id >= first && id < first + count; };
  for (const ListCommandInfo& info : kListCommandTable)
    for (const int first : {kRevealFileFirst, kRenameFileFirst, kMoveFileFirst})
      if (inside(info.id, first, kFileCommandCount)) return false;
  for (const ListCommandInfo& info : kListCommandTable)
    if (inside(info.id, kStepButtonFirst, static_cast<int>(kRowSteps.size()))) return false;
  return kRevealFileFirst + kFileCommandCount <= kRenameFileFirst &&
         kRenameFileFirst + kFileCommandCount <= kMoveFileFirst;
}
static_assert(rangesApart());

bool runFileCommand(Application& app, int id) {
  if (inFileRange(id, kRevealFileFirst)) revealFile(app, fileFieldOf(id, kRevealFileFirst).field);
  else if (inFileRange(id, kRenameFileFirst)) startRename(app, std::u16string(fileFieldOf(id, kRenameFileFirst).label));
  else if (inFileRange(id, kMoveFileFirst)) moveChosenFiles(app, fileFieldOf(id, kMoveFileFirst).label);
  else return false;
  return true;
}

bool runRangeCommand(Application& app, int id) {
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
  return pressStepButton(app, id) || runFileCommand(app, id);
}

}  // namespace

std::span<const ListCommandInfo> listCommandTable() { return kListCommandTable; }

const ListCommandInfo* findListCommand(int id) {
  const auto found = std::find_if(kListCommandTable.begin(), kListCommandTable.end(),
                                  [id](const ListCommandInfo& c) { return c.id == id; });
  return found == kListCommandTable.end() ? nullptr : &*found;
}

const ListCommandInfo& listCommandInfo(ListCommand command) {
  return kListCommandTable.at(static_cast<std::size_t>(command));
}

int listCommandId(ListCommand command) { return listCommandInfo(command).id; }

bool listWindowCommand(Application& app, int id) {
  const EventScope scope(app);
  if (const ListCommandInfo* command = findListCommand(id)) {
    command->action(app);
    return true;
  }
  return runRangeCommand(app, id);
}

void runListCommand(Application& app, ListCommand command) { listWindowCommand(app, listCommandId(command)); }

void onListDrop(Application& app, const std::vector<std::u16string>& paths) {
  const EventScope scope(app);
  std::vector<std::u16string> games;
  const std::u16string* playlistFile = nullptr;
  for (const std::u16string& path : paths) {
    if (isPlaylistPath(path)) playlistFile = &path;
    else games.push_back(path);
  }
  if (!games.empty()) addGameFiles(app, games);
  if (playlistFile) openPath(app, *playlistFile);
}

}  // namespace mokuza::app
