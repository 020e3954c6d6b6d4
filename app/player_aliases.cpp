#include "app/player_aliases.h"

#include <algorithm>
#include <set>

#include "app/list_window.h"
#include "app/view_refresh.h"
#include "core/document/options.h"
#include "playlist/list_changes.h"
#include "playlist/playlist_context.h"
#include "search/player_stats.h"

namespace mokuza::app {
namespace {

// The player names of the listed games but `mainName`, each once, in text order.
std::vector<std::u16string> otherPlayers(const Playlist& playlist, std::u16string_view mainName) {
  std::set<std::u16string, std::less<>> names;
  for (int record : playlist.displayOrder) {
    if (record < 0 || static_cast<std::size_t>(record) >= playlist.entries.size()) continue;
    const PlaylistEntry& entry = playlist.entries[static_cast<std::size_t>(record)];
    for (const std::u16string_view label : {search::kBlackPlayerLabel, search::kWhitePlayerLabel})
      if (const std::u16string_view name = textField(entry, label); !name.empty() && name != mainName)
        names.emplace(name);
  }
  return {names.begin(), names.end()};
}

}  // namespace

std::optional<AliasSession> beginAliases(const Application& app) {
  const int record = focusedRecord(app);
  if (record < 0 || static_cast<std::size_t>(record) >= app.playlist.entries.size()) return std::nullopt;
  const PlaylistEntry& entry = app.playlist.entries[static_cast<std::size_t>(record)];
  AliasSession session;
  for (const std::u16string_view label : {search::kBlackPlayerLabel, search::kWhitePlayerLabel})
    if (const std::u16string_view name = textField(entry, label); !name.empty())
      session.mainNames.emplace_back(name);
  if (session.mainNames.empty()) return std::nullopt;
  chooseMainName(app, session, 0);
  return session;
}

void chooseMainName(const Application& app, AliasSession& session, int mainName) {
  if (mainName < 0 || mainName >= static_cast<int>(session.mainNames.size())) return;
  session.mainName = mainName;
  session.players = otherPlayers(app.playlist, session.mainNames[static_cast<std::size_t>(mainName)]);
  session.chosen.assign(session.players.size(), false);
  session.refusal.clear();
}

bool applyAliases(Application& app, AliasSession& session) {
  const EventScope scope(app);
  if (session.mainName < 0 || session.mainName >= static_cast<int>(session.mainNames.size())) return false;
  const std::u16string& mainName = session.mainNames[static_cast<std::size_t>(session.mainName)];
  std::vector<std::u16string> names;
  for (std::size_t i = 0; i < session.players.size() && i < session.chosen.size(); ++i)
    if (session.chosen[i]) names.push_back(session.players[i]);
  PlaylistContext context = app.playlistContext();
  storeShownDesign(context);
  const search::AliasOutcome outcome = search::addAliases(
      app.playlist, mainName, names, option(app.doc.state.options, DocumentOption::RenameTagMax));
  session.refusal = outcome.message;
  if (!outcome.message.empty()) {
    app.services.messageBox({outcome.message, u"Mokuza", platform::Buttons::Ok, platform::Icon::Warning});
    return false;
  }
  if (!outcome.changed) return false;
  commitListChange(context, u"別名（同一対局者）指定 " + mainName);
  return true;
}

}  // namespace mokuza::app
