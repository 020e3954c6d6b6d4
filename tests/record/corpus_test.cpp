// Real games: every file reads on its board size, and every game survives a
// write and a read unchanged.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>
#include <thread>

#include "core/record/sgf_writer.h"
#include "record_test_support.h"
#include "tests/corpus_files.h"

namespace mokuza {
namespace {

namespace fs = std::filesystem;

struct ManifestRow {
  int boardSize = 0;
  std::size_t mainlineMoves = 0;
};

// Reads a game and checks it against the manifest and a write-and-read; empty when all is well.
std::string problemWith(const std::u16string& text, const ManifestRow& row, bool countMoves) {
  GameRecord record, again;
  ReadOptions options;
  if (readSgf(record, text, options) != kReadOk) return "no game";
  if (record.boardSize != (isValidBoardSize(row.boardSize) ? row.boardSize : kDefaultBoardSize))
    return "board size " + std::to_string(record.boardSize);
  // Moves (B or W) on the current line, the root record included. Off-board
  // points are read as passes, so the manifest's count of moves holds.
  const auto moves = static_cast<std::size_t>(
      std::count_if(record.lineRecords.begin(), record.lineRecords.end(), [](auto* r) { return r->hasMove(); }));
  if (countMoves && moves != row.mainlineMoves)
    return std::to_string(moves) + " moves, manifest " + std::to_string(row.mainlineMoves);
  if (readSgf(again, writeSgf(record), options) != kReadOk) return "the written text does not read";
  std::string diff = testing::treeDifference(record.root, again.root);
  if (diff.empty() && testing::headerText(again) != testing::headerText(record)) diff = "header";
  if (diff.empty() && (again.branchPath != record.branchPath || again.boardSize != record.boardSize)) diff = "line";
  return diff;
}

class RecordCorpus : public ::testing::Test {
 protected:
  void SetUp() override {
    std::ifstream in(testing::corpusDir() / "manifest.tsv");
    if (!in) GTEST_SKIP() << "no corpus at " << testing::corpusDir();
    std::string line, path, bytes;
    std::getline(in, line);  // column names
    while (std::getline(in, line)) {
      std::istringstream fields(line);
      ManifestRow row;
      std::getline(fields, path, '\t') >> bytes >> row.boardSize >> row.mainlineMoves;
      manifest[path] = row;
    }
  }
  const ManifestRow& rowFor(const fs::path& file) const {
    return manifest.at(fs::relative(file, testing::corpusDir()).generic_string());
  }
  std::map<std::string, ManifestRow> manifest;
};

TEST_F(RecordCorpus, VarietyFilesReadOnTheirBoardSizeAndSurviveAWriteAndARead) {
  const int games = test::forEachCorpusGame("variety", 1, [&](const fs::path& file, const std::u16string& text) {
    EXPECT_EQ(problemWith(text, rowFor(file), false), "") << file;
  });
  EXPECT_EQ(games + test::corpusGames("pro").size(), manifest.size());
}

TEST_F(RecordCorpus, ProGamesKeepTheirMovesAndSurviveAWriteAndARead) {
  const std::vector<fs::path> files = test::corpusGames("pro");
  ASSERT_EQ(files.size(), 5000u);
  // Records share nothing, so the games are spread over the cores.
  const std::size_t workers = std::clamp(std::thread::hardware_concurrency(), 1u, 4u);
  std::vector<std::vector<std::string>> failures(workers);
  std::vector<std::thread> threads;
  for (std::size_t w = 0; w < workers; ++w)
    threads.emplace_back([&, w] {
      for (std::size_t i = w; i < files.size(); i += workers) {
        std::string problem = problemWith(testing::loadCorpusText(files[i]), rowFor(files[i]), true);
        if (!problem.empty()) failures[w].push_back(files[i].filename().string() + ": " + problem);
      }
    });
  for (std::thread& thread : threads) thread.join();
  for (const auto& list : failures)
    for (const std::string& failure : list) ADD_FAILURE() << failure;
}

}  // namespace
}  // namespace mokuza
