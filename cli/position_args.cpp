#include "cli/position_args.h"

#include <ostream>

#include "core/document/navigation.h"

namespace mokuza::cli {

std::optional<int> parseSgfPoint(std::string_view text, int n) {
  if (text.size() != 2) return std::nullopt;
  const int x = text[0] - 'a', y = text[1] - 'a';
  if (x < 0 || x >= n || y < 0 || y >= n) return std::nullopt;
  return x + y * n;
}

std::optional<std::vector<int>> parseSgfPoints(std::string_view text, int n) {
  std::vector<int> points;
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
