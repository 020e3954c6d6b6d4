#pragma once
// Shared by the search tests: games as SGF text replayed by the board logic,
// patterns taken from them, and playlists of game files in a private folder.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/record/sgf_reader.h"
#include "core/record/text.h"
#include "core/rules/replay.h"
#include "playlist/playlist.h"
#include "search/search_pattern.h"
#include "tests/test_folder.h"

namespace mokuza::test {

namespace fs = std::filesystem;

// A game read and replayed as the program does when it opens one.
struct ReplayedRecord {
  GameRecord record;
  Board board;

  explicit ReplayedRecord(std::u16string_view sgf) {
    ReadOptions options;
    readSgf(record, sgf, options);
    SetBoardSize(board, record.boardSize);
    ReplayFrom(board, record.lineCopy, 0);
  }
  explicit ReplayedRecord(const std::string& sgf) : ReplayedRecord(std::u16string_view(utf8ToUtf16(sgf))) {}
};

inline search::SearchPattern patternOf(const std::string& sgf, int position,
                                       std::optional<std::array<int, 4>> range = std::nullopt) {
  ReplayedRecord game(sgf);
  return search::makePattern(game.board, position, range);
}

// "B[" + point + "]" moves in turn from Black, "" for a pass.
inline std::string moves(const std::vector<std::string>& points, bool blackFirst = true) {
  std::string text;
  bool black = blackFirst;
  for (const std::string& p : points) {
    text += std::string(";") + (black ? "B[" : "W[") + p + "]";
    black = !black;
  }
  return text;
}

inline std::string game(const std::string& body, const std::string& result = "") {
  return "(;GM[1]SZ[19]" + (result.empty() ? std::string() : "RE[" + result + "]") + body + ")";
}

class SearchFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = freshTestFolder("mokuza-search");
    playlist.path = pathToText(dir / "games.gpl");
  }
  void TearDown() override { fs::remove_all(dir); }

  // Writes the game and lists it with the next number; returns its entry index.
  int addGame(const std::string& sgf) {
    const fs::path file = dir / ("game" + std::to_string(playlist.entries.size() + 1) + ".sgf");
    std::ofstream(file, std::ios::binary) << sgf;
    PlaylistEntry entry;
    entry.number = static_cast<std::int32_t>(playlist.entries.size() + 1);
    SetFilePath(entry, kSgfFileLabel, pathToText(file));
    playlist.entries.push_back(entry);
    playlist.displayOrder.push_back(static_cast<int>(playlist.entries.size() - 1));
    return playlist.displayOrder.back();
  }

  fs::path dir;
  Playlist playlist;
};

}  // namespace mokuza::test
