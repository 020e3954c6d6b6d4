#include "cli/position_args.h"

#include <ostream>

#include "core/document/navigation.h"
#include "core/record/sgf_point.h"

namespace mokuza::cli {

std::optional<RecordPoint> parseSgfPoint(std::string_view text, int n) {
  const RecordPoint point = decodeSgfPoint(text, n);
  if (text.size() != 2 || point.isPass()) return std::nullopt;
  return point;
}

std::optional<std::vector<RecordPoint>> parseSgfPoints(std::string_view text, int n) {
  std::vector<RecordPoint> points;
  while (true) {
    const std::size_t comma = text.find(',');
    const auto point = parseSgfPoint(text.substr(0, comma), n);
    if (!point) return std::nullopt;
    points.push_back(*point);
    if (comma == std::string_view::npos) return points;
    text.remove_prefix(comma + 1);
  }
}

bool showRequestedMove(Document& doc, std::optional<int> move, const Command& command, Streams streams) {
  const int last = lastShowableMove(doc);
  const int target = move.value_or(last);
  if (target < 0 || target > last) {
    streams.err << "mokuza-cli " << command.name << ": move " << target << " is outside 0.." << last << '\n';
    return false;
  }
  showMove(doc, target);
  return true;
}

}  // namespace mokuza::cli
