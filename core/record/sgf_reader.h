#pragma once
// SGF text to GameRecord: one lenient pass over the text that reads the first
// game of a collection.

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "core/record/game_record.h"
#include "platform/services.h"

namespace mokuza {

struct ReadOptions {
  int gobanroll = -8;         // the load-time rotation setting
  bool movesOnly = false;     // keep the header; read no game or move information
  bool playlistGame = false;  // a playlist entry is being loaded
  int defaultBoardSize = kDefaultBoardSize;  // updated by SZ
  std::time_t randomSeed = 0;                // for the random rotation
  // Receives each game-information value (and the total move count) while a
  // playlist entry is loaded, so that the entry keeps its own copy.
  std::function<void(std::u16string_view label, std::u16string_view value)> onPlaylistInfo;
};

constexpr int kReadOk = 0;
constexpr int kReadNoGame = -1;

// Resets the record and reads the text into it: kReadOk, or kReadNoGame when
// the text holds no ';' inside parentheses.
int readSgf(GameRecord& record, std::u16string_view text, ReadOptions& options);

// A game file larger than this is refused before it is read: the record of
// so many moves would take gigabytes.
constexpr std::uintmax_t kSgfFileMax = std::uintmax_t{256} << 20;
// True when the file is there and larger than kSgfFileMax.
bool isOversizedSgfFile(const std::filesystem::path& path);

// The decoded text of a file, empty when it cannot be read ("File Open Error"
// goes to the diagnostics) or is refused as oversized (the user is told).
std::u16string loadTextFile(const std::filesystem::path& path, platform::Services& services);

// +1 per black setup stone, -1 per white, -10000 once both colours appear.
int setupBalance(const MarkList& marks);
constexpr int kMixedSetup = -10000;

}  // namespace mokuza
