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
#include "core/record/text.h"
#include "platform/services.h"

namespace mokuza {

// What a read could not keep. Writing the record back over its file would
// lose it, so the document remembers it and saving there asks first.
struct ReadLoss {
  int largerBoard = 0;     // a declared board size above kMaxBoardSize, read as 19 lines
  int movesOffBoard = 0;   // moves of that board outside the 19 lines, read as passes
  int pointsOffBoard = 0;  // setup stones and marks there, dropped
  int cutLabels = 0;       // label texts longer than a mark holds
  int extraMoves = 0;      // second moves in one node: the last one counts
  bool moreGames = false;  // a collection: only its first game is read

  bool any() const {
    return largerBoard > 0 || movesOffBoard > 0 || pointsOffBoard > 0 || cutLabels > 0 || extraMoves > 0 || moreGames;
  }
  // "a board of 21 lines read as 19, 30 moves beyond 19 lines turned into passes".
  std::string describe() const;
};

struct ReadOptions {
  int gobanroll = -8;                        // the load-time rotation setting
  bool movesOnly = false;                    // keep the header; read no game or move information
  bool playlistGame = false;                 // a playlist entry is being loaded
  int defaultBoardSize = kDefaultBoardSize;  // updated by SZ
  std::time_t randomSeed = 0;                // for the random rotation
  // Receives each game-information value (and the total move count) while a
  // playlist entry is loaded, so that the entry keeps its own copy.
  std::function<void(std::u16string_view label, std::u16string_view value)> onPlaylistInfo;
  ReadLoss loss;  // filled by the read
};

constexpr int kReadOk = 0;
constexpr int kReadNoGame = -1;

// Resets the record and reads the text into it: kReadOk, or kReadNoGame when
// the text holds no ';' inside parentheses.
int readSgf(GameRecord& record, std::u16string_view text, ReadOptions& options);

// The decoded text of a file, empty when it cannot be read ("File Open Error"
// and the reason go to the diagnostics).
std::u16string loadTextFile(const std::filesystem::path& path, platform::Services& services, TextKind kind);

constexpr int kMixedSetup = -10000;

}  // namespace mokuza
