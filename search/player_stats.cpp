#include "search/player_stats.h"

#include <algorithm>

#include "core/record/decimal.h"
#include "search/game_outcome.h"

namespace mokuza::search {
namespace {

std::u16string clipName(std::u16string_view name) { return std::u16string(name.substr(0, kAliasNameLength)); }

bool holds(const std::vector<std::u16string>& names, std::u16string_view name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

// The group a name belongs to, or -1.
int groupOf(const Playlist& playlist, std::u16string_view name) {
  for (std::size_t g = 0; g < playlist.aliasGroups.size(); ++g)
    if (holds(playlist.aliasGroups[g].names, name)) return static_cast<int>(g);
  return -1;
}

template <typename F>
void forEachListedGame(const Playlist& playlist, F&& f) {
  for (int index : playlist.displayOrder)
    if (index >= 0 && index < static_cast<int>(playlist.entries.size()))
      f(playlist.entries[static_cast<std::size_t>(index)]);
}

bool playedEachOther(const Playlist& playlist, const std::vector<std::u16string>& player, std::u16string_view other) {
  bool met = false;
  forEachListedGame(playlist, [&](const PlaylistEntry& entry) {
    const std::u16string_view black = textField(entry, kBlackPlayerLabel), white = textField(entry, kWhitePlayerLabel);
    met = met || (holds(player, black) && white == other) || (holds(player, white) && black == other);
  });
  return met;
}

// The names that denote the player: its alias group, or the name alone.
std::vector<std::u16string> namesOfPlayer(const Playlist& playlist, std::u16string_view name) {
  const int group = groupOf(playlist, name);
  if (group < 0) return {std::u16string(name)};
  std::vector<std::u16string> names;
  for (const std::u16string& n : playlist.aliasGroups[static_cast<std::size_t>(group)].names)
    if (!n.empty()) names.push_back(n);
  return names;
}

// The listed games the player played with either colour under any of its
// names, and the wins and losses their results give.
PlayerRecord playerRecord(const Playlist& playlist, std::u16string_view name) {
  const std::vector<std::u16string> names = namesOfPlayer(playlist, name);
  PlayerRecord record;
  forEachListedGame(playlist, [&](const PlaylistEntry& entry) {
    const bool black = holds(names, textField(entry, kBlackPlayerLabel));
    const bool white = holds(names, textField(entry, kWhitePlayerLabel));
    if (black == white) return;  // not in the game, or on both sides of it
    WinLoss side;
    side.add(readOutcome(textField(entry, u"結果")), black ? 1 : -1);
    ++record.games;
    record.wins += side.wins;
    record.losses += side.losses;
  });
  return record;
}

}  // namespace

PlayerDetails playerDetails(const Playlist& playlist, int entry, int side) {
  if (entry < 0 || entry >= static_cast<int>(playlist.entries.size())) return {};
  const std::u16string name(
      textField(playlist.entries[static_cast<std::size_t>(entry)], side > 0 ? kBlackPlayerLabel : kWhitePlayerLabel));
  const PlayerRecord record = playerRecord(playlist, name);
  return {u"PlayerName：" + name, decimalText(static_cast<std::int64_t>(record.games)) + u"対局" +
                                      decimalText(record.wins) + u"勝" + decimalText(record.losses) + u"敗"};
}

int aliasLimit(int renameTagMax) {
  const int stored = static_cast<int>(kAliasNamesWritten) - 1;
  return renameTagMax < 0 ? stored : std::min(renameTagMax, stored);
}

AliasOutcome addAliases(Playlist& playlist, std::u16string_view mainName, const std::vector<std::u16string>& names,
                        int renameTagMax) {
  const std::u16string main = clipName(mainName);
  int group = groupOf(playlist, main);
  const std::vector<std::u16string> player = namesOfPlayer(playlist, main);
  std::vector<std::u16string> added;
  for (const std::u16string& raw : names) {
    const std::u16string name = clipName(raw);
    if (name.empty() || holds(player, name) || holds(added, name)) {
      if (name == main) return {false, u"メインネームは選べません"};
      continue;  // already this player's
    }
    if (playedEachOther(playlist, player, name)) return {false, u"対局相手は選べません"};
    const int other = groupOf(playlist, name);
    if (other >= 0 && playlist.aliasGroups[static_cast<std::size_t>(other)].names.front() == name &&
        playlist.aliasGroups[static_cast<std::size_t>(other)].names.size() >= 2)
      return {false, u"すでに別名を持つ対局者は選べません"};
    added.push_back(name);
  }
  if (added.empty()) return {};
  const int limit = aliasLimit(renameTagMax);
  if (static_cast<int>(player.size() - 1 + added.size()) > limit)
    return {false, u"別名指定は" + decimalText(limit) + u"名までです"};

  for (const std::u16string& name : added) {
    const int other = groupOf(playlist, name);
    if (other < 0) continue;
    auto& moved = playlist.aliasGroups[static_cast<std::size_t>(other)].names;
    moved.erase(std::find(moved.begin(), moved.end(), name));
    if (moved.size() < 2) moved.clear();  // one name alone is no group
  }
  std::erase_if(playlist.aliasGroups, [](const AliasGroup& g) { return g.names.empty(); });
  group = groupOf(playlist, main);
  if (group < 0) {
    playlist.aliasGroups.push_back({{main}});
    group = static_cast<int>(playlist.aliasGroups.size()) - 1;
  }
  auto& target = playlist.aliasGroups[static_cast<std::size_t>(group)].names;
  target.insert(target.end(), added.begin(), added.end());
  return {true, u""};
}

}  // namespace mokuza::search
