#pragma once
// Helpers of the playback tests: games made of many quiet moves, a private
// program folder, and documents replayed in music mode.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "core/document/game_files.h"
#include "core/document/navigation.h"
#include "core/record/text.h"
#include "tests/test_folder.h"

namespace mokuza::test {

namespace fs = std::filesystem;

// SGF letters of a point.
inline std::string sgfLetters(int x, int y) { return {static_cast<char>('a' + x), static_cast<char>('a' + y)}; }

// A 19x19 game of `moves` moves that captures nothing: Black fills rows from
// the top edge, White from the bottom edge.
inline std::string quietGame(int moves) {
  std::string sgf = "(;GM[1]SZ[19]";
  for (int i = 0; i < moves; ++i) {
    const int k = i / 2;
    const bool black = i % 2 == 0;
    const int x = k % 19, row = k / 19;
    sgf += black ? ";B[" + sgfLetters(x, row) + "]" : ";W[" + sgfLetters(x, 18 - row) + "]";
  }
  return sgf + ")";
}

// Reads SGF text into a document, every position computed, move 0 shown.
inline void loadText(Document& doc, const std::string& sgf) {
  ReadOptions options;
  ASSERT_EQ(loadRecordText(doc, utf8ToUtf16(sgf), options), kReadOk);
  showMove(doc, 0);
}

// A folder of its own per test, removed afterwards.
class TempFolder {
 public:
  TempFolder() { path_ = freshTestFolder("mokuza-playback"); }
  ~TempFolder() {
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const fs::path& path() const { return path_; }
  fs::path write(const std::string& name, const std::string& content) const {
    std::ofstream(path_ / name, std::ios::binary) << content;
    return path_ / name;
  }

 private:
  fs::path path_;
};

}  // namespace mokuza::test
