#pragma once
// The real game records beside the checkout, for tests and benchmarks.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "core/record/text.h"

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

// Calls fn(path, text) for every stride-th game of the subfolder, its bytes
// decoded as a game record; an unreadable file is a test failure. Returns how
// many games fn saw, 0 when the corpus is absent (the caller skips then).
template <class Fn>
int forEachCorpusGame(std::string_view subfolder, std::size_t stride, Fn&& fn) {
  const std::vector<std::filesystem::path> paths = corpusGames(subfolder);
  int seen = 0;
  for (std::size_t i = 0; i < paths.size(); i += std::max<std::size_t>(stride, 1)) {
    const std::optional<std::string> bytes = readFileBytes(paths[i]);
    if (!bytes) {
      ADD_FAILURE() << "cannot read " << paths[i];
      continue;
    }
    fn(paths[i], decodeBytes(*bytes, TextKind::GameRecord));
    ++seen;
  }
  return seen;
}

}  // namespace mokuza::test
