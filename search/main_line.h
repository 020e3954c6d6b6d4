#pragma once
// A game's main line reduced to what the search replays, and a cache of them
// so that a search again (a re-search with an added move, another pattern)
// reads no file that has not changed.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/record/game_record.h"
#include "platform/user_files.h"
#include "search/game_outcome.h"

namespace mokuza::search {

struct LineStone {
  std::int16_t point = -1;  // unbordered; -1 for a pass or a node without a move
  std::int8_t colour = 0;   // +1 black, -1 white, 0 no move
};

struct MainLine {
  int boardSize = kDefaultBoardSize;
  // Setup stones, then the move, of every position in order: position m is
  // made by stones[positionEnd[m - 1] .. positionEnd[m]) (from 0 for m = 0).
  std::vector<LineStone> stones;
  std::vector<std::uint32_t> positionEnd;
  std::vector<LineStone> moves;  // the move of each position, entry 0 unused
  GameOutcome outcome = GameOutcome::Undecided;

  int lastPosition() const { return static_cast<int>(positionEnd.size()) - 1; }
};

// The positions the board history keeps of the record's current line.
MainLine mainLineOf(const GameRecord& record);

class MainLineCache {
 public:
  // The main line of the game file, read unless the cache holds it from a
  // file of the same time and size; nothing when the file holds no game.
  const MainLine* load(const std::filesystem::path& path);
  std::size_t size() const { return lines_.size(); }

 private:
  struct Entry {
    platform::FileStamp stamp;
    bool read = false;
    std::optional<MainLine> line;  // empty when the file holds no game
  };
  std::unordered_map<std::string, Entry> lines_;
  GameRecord scratch_;
};

}  // namespace mokuza::search
