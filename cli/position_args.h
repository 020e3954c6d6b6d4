#pragma once
// Arguments that name a position of a loaded game: a move number and board
// points in SGF letters.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_support.h"
#include "core/record/record_point.h"

namespace mokuza::cli {

// Two SGF letters ("dd") as a point of an n x n board, or nothing.
std::optional<RecordPoint> parseSgfPoint(std::string_view text, int n);
// A comma-separated list of SGF points ("dd,pq"), or nothing when any is bad.
std::optional<std::vector<RecordPoint>> parseSgfPoints(std::string_view text, int n);

// Shows move N, or the last move of the main line when none was asked for.
// False, with the reason on stderr, when that position is not kept.
bool showRequestedMove(Document& doc, std::optional<int> move, const Command& command, Streams streams);

}  // namespace mokuza::cli
