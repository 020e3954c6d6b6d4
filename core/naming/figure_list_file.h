#pragma once
// The figure list file "figure.gfg" in "figurelists": the figure table as
// tagged text, so that a user's edits of names, priorities and music values
// survive a restart.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/naming/figure_table.h"

namespace mokuza::naming {

// What the header of the file records about where it was written.
struct FigureListHeader {
  std::u16string fileName = u"figure.gfg";
  std::u16string programFolder;
  std::u16string figureListFolder;
};

std::filesystem::path figureListPath(const std::filesystem::path& programFolder);

// The table of the file beside the program, or the built-in table when the
// file is missing, empty or holds no row.
FigureTable loadFigureList(const std::filesystem::path& programFolder);

// Writes the table to the file beside the program; false when it could not.
bool saveFigureList(const FigureTable& table, const std::filesystem::path& programFolder);

}  // namespace mokuza::naming
