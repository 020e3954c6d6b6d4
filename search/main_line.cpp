#include "search/main_line.h"

#include "core/record/sgf_reader.h"
#include "core/record/text.h"
#include "core/rules/replay.h"

namespace mokuza::search {
namespace {

LineStone stoneOf(int point, int colour, int n) {
  if (!isOnBoard(point, n) || (colour != 1 && colour != -1)) return {-1, static_cast<std::int8_t>(colour)};
  return {static_cast<std::int16_t>(point), static_cast<std::int8_t>(colour)};
}

}  // namespace

MainLine mainLineOf(const GameRecord& record) {
  MainLine line;
  line.boardSize = record.boardSize;
  line.outcome = readOutcome(record.header(u"結果"));
  if (record.lineCopy.empty()) return line;
  const int last = lastReplayablePosition(record.lineCopy.size());
  const int n = record.boardSize;
  line.moves.resize(static_cast<std::size_t>(last) + 1);
  line.positionEnd.reserve(line.moves.size());
  line.stones.reserve(line.moves.size());  // setup stones may add more
  for (int m = 0; m <= last; ++m) {
    const MoveRecord& node = record.lineCopy[static_cast<std::size_t>(m)];
    for (const MarkEntry& entry : node.marks)
      if (const LineStone setup = stoneOf(entry.point, entry.stone, n); setup.point >= 0) line.stones.push_back(setup);
    if (m >= 1 && node.hasMove()) {
      const LineStone move = stoneOf(node.point, node.colour, n);
      line.moves[static_cast<std::size_t>(m)] = move;
      if (move.point >= 0) line.stones.push_back(move);
    }
    line.positionEnd.push_back(static_cast<std::uint32_t>(line.stones.size()));
  }
  return line;
}

std::shared_ptr<const MainLine> MainLineCache::load(const std::filesystem::path& path, GameRecord& scratch) {
  const std::optional<platform::FileStamp> stamp = platform::fileStamp(path);
  if (!stamp) return nullptr;
  Shard& shard = shardOf(path.native());
  {
    const std::lock_guard lock(shard.mutex);
    const auto known = shard.lines.find(path.native());
    if (known != shard.lines.end() && known->second.stamp == *stamp) return known->second.line;
  }
  // Read without the lock, so the other workers go on; a game listed twice
  // may be read by two of them at once, and both readings are the same.
  std::shared_ptr<const MainLine> line;
  const auto bytes = readFileBytes(path);
  ReadOptions options;  // no load-time rotation: every orientation is searched anyway
  if (bytes && readSgf(scratch, decodeBytes(*bytes, TextKind::GameRecord), options) == kReadOk)
    line = std::make_shared<const MainLine>(mainLineOf(scratch));
  const std::lock_guard lock(shard.mutex);
  shard.lines.insert_or_assign(path.native(), Entry{*stamp, line});
  return line;
}

MainLineCache::Shard& MainLineCache::shardOf(const std::string& name) {
  return shards_[std::hash<std::string>{}(name) % kShards];
}

std::size_t MainLineCache::size() const {
  std::size_t lines = 0;
  for (const Shard& shard : shards_) {
    const std::lock_guard lock(shard.mutex);
    lines += shard.lines.size();
  }
  return lines;
}

}  // namespace mokuza::search
