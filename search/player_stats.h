#pragma once
// Player statistics of the list window: a player's games, wins and losses
// over the playlist, counting every name marked as the same player, and the
// rules for marking names as aliases of a main name.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "playlist/playlist.h"

namespace mokuza::search {

inline constexpr std::u16string_view kBlackPlayerLabel = u"黒対局者";
inline constexpr std::u16string_view kWhitePlayerLabel = u"白対局者";

struct PlayerRecord {
  std::size_t games = 0;
  int wins = 0;
  int losses = 0;
};

// "対局者詳細" for the Black (side +1) or White player of an entry.
struct PlayerDetails {
  std::u16string nameLine;    // "PlayerName：" and the name
  std::u16string recordLine;  // "%zd対局%d勝%d敗"
};
PlayerDetails playerDetails(const Playlist& playlist, int entry, int side);

// The most aliases one main name takes: the setting rename_tag_max, held to
// what a playlist file stores with the main name (13); -1 means that many.
int aliasLimit(int renameTagMax);

struct AliasOutcome {
  bool changed = false;
  std::u16string message;  // why nothing changed; empty when all went in
};

// "別名（同一対局者）指定": makes `names` aliases of `mainName`, all or none.
// Refused with "対局相手は選べません" for a name that played the main player,
// "メインネームは選べません" for the main name itself, "すでに別名を持つ対局者は
// 選べません" for the main name of another group, and "別名指定は%d名までです"
// beyond the limit. A name that was another player's alias moves here.
AliasOutcome addAliases(Playlist& playlist, std::u16string_view mainName, const std::vector<std::u16string>& names,
                        int renameTagMax);

}  // namespace mokuza::search
