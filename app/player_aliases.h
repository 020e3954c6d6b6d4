#pragma once
// "別名（同一対局者）指定" of the list window: the names of the playlist's
// players that are to count as one player under a main name. The aliases are
// kept with the playlist and the player statistics count them at once.

#include <optional>
#include <string>
#include <vector>

#include "app/application.h"

namespace mokuza::app {

struct AliasSession {
  std::vector<std::u16string> mainNames;  // the players of the focused game, Black first
  int mainName = 0;                       // the one chosen
  // Every other player of the playlist, in text order, and whether it is chosen.
  std::vector<std::u16string> players;
  std::vector<bool> chosen;
  std::u16string refusal;  // why the last OK changed nothing
};

// For the focused game; nothing when no game is focused or it names no player.
std::optional<AliasSession> beginAliases(const Application& app);
// Another main name: the players offered follow it, none chosen.
void chooseMainName(const Application& app, AliasSession& session, int mainName);
// OK: the chosen players become aliases of the main name and the playlist is
// written. A refusal ("対局相手は選べません", …) is shown, kept in the session
// and changes nothing; false then.
bool applyAliases(Application& app, AliasSession& session);

}  // namespace mokuza::app
