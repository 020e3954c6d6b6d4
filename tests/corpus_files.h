#pragma once
// The real game records beside the checkout, for tests and benchmarks.

#include <algorithm>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <vector>

namespace mokuza::test {

// The .sgf files below MOKUZA_CORPUS_DIR/subfolder, sorted by path; empty
// when the corpus is absent.
inline std::vector<std::filesystem::path> corpusGames(std::string_view subfolder = "pro") {
  namespace fs = std::filesystem;
  std::vector<fs::path> paths;
  std::error_code ec;
  for (auto it = fs::recursive_directory_iterator(fs::path(MOKUZA_CORPUS_DIR) / subfolder, ec);
       !ec && it != fs::recursive_directory_iterator(); it.increment(ec))
    if (it->path().extension() == ".sgf") paths.push_back(it->path());
  std::sort(paths.begin(), paths.end());
  return paths;
}

}  // namespace mokuza::test
