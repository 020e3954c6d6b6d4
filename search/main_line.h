#pragma once
// A game's main line reduced to what the search replays, and a cache of them
// so that a search again (a re-search with an added move, another pattern)
// reads no file that has not changed.

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <mutex>
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

// Shared by the workers of a search: each reads its games with a record of
// its own, and a line handed out stays alive while its holder keeps it, also
// when the file changed meanwhile and was read again.
class MainLineCache {
 public:
  // The main line of the game file, read into `scratch` unless the cache
  // holds it from a file of the same time and size; nothing when the file
  // holds no game.
  std::shared_ptr<const MainLine> load(const std::filesystem::path& path, GameRecord& scratch);
  std::size_t size() const;

 private:
  struct Entry {
    platform::FileStamp stamp;
    std::shared_ptr<const MainLine> line;  // null when the file holds no game
  };
  // Split by the name's hash, so that workers rarely wait on one another's lock.
  struct alignas(64) Shard {
    mutable std::mutex mutex;
    std::unordered_map<std::string, Entry> lines;  // only files read
  };
  static constexpr std::size_t kShards = 16;
  Shard& shardOf(const std::string& name);

  std::array<Shard, kShards> shards_;
};

}  // namespace mokuza::search
