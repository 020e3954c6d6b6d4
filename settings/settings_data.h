#pragma once
// What the settings file holds besides the document's options, design and
// recent lists: the values that belong to the windows and to the playlist,
// kept as plain data that the caller fills before writing and reads after
// reading.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "settings/placement.h"

namespace mokuza {

// A list window's show state; this value keeps it hidden.
constexpr std::int32_t kListWindowHidden = 65535;

struct ListShowStates {
  std::int32_t playlist = kListWindowHidden;
  std::int32_t eventList = kListWindowHidden;
  std::int32_t figureList = kListWindowHidden;
  bool operator==(const ListShowStates&) const = default;
};

// The player-name table: rows of names that denote one player.
constexpr std::size_t kPlayerNameColumns = 14;
constexpr std::size_t kPlayerNameMax = 29;  // UTF-16 units
// Far beyond any real table; a damaged file cannot make the program allocate
// without bound.
constexpr std::size_t kPlayerNameRowsMax = 10000;
using PlayerNameRow = std::array<std::u16string, kPlayerNameColumns>;

constexpr int kRecordSlots = 15;  // "record1" .. "record15"

// The column layouts of the three list windows, each the "listitem" block
// text as the list window formats it (per column "key:", a line feed,
// "[width=..][alliod=..][iorder=..];", a line feed); given back as written.
struct ListLayouts {
  std::u16string playlist;
  std::u16string eventList;
  std::u16string figureList;
  bool operator==(const ListLayouts&) const = default;
};

struct Settings {
  std::u16string playlistPath;     // full path of the current playlist file
  std::u16string playlistsFolder;  // its folder, derived when the settings are read
  std::u16string historyFolder;    // full path of the history log folder
  ListShowStates shows;
  std::vector<PlayerNameRow> playerNames;
  std::array<std::int32_t, kRecordSlots> records{};  // index k - 1 holds "record" k
  ListLayouts columns;
  // The ALSA sequencer port ("128:0", a client name) that plays the music
  // mode's notes; empty for the built-in synthesizer.
  std::u16string midiPort;
  WindowPlacement placement;  // filled by readSettings for the window layer
};

}  // namespace mokuza
