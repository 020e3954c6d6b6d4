#pragma once
// Helpers of the playback tests: games made of many quiet moves, a private
// program folder, and a playback driven by the window's timer as a fake clock.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "core/document/game_files.h"
#include "core/document/navigation.h"
#include "core/record/text.h"
#include "platform/headless/headless_services.h"
#include "playback/auto_play.h"
#include "tests/test_folder.h"

namespace mokuza::test {

namespace fs = std::filesystem;

// A 19x19 game of `moves` moves that captures nothing: Black fills rows from
// the top edge, White from the bottom edge.
inline std::string quietGame(int moves) {
  std::string sgf = "(;GM[1]SZ[19]";
  for (int i = 0; i < moves; ++i) {
    const int x = i / 2 % 19, row = i / 2 / 19;
    sgf += i % 2 == 0 ? ";B[" : ";W[";
    sgf += {static_cast<char>('a' + x), static_cast<char>('a' + (i % 2 ? 18 - row : row)), ']'};
  }
  return sgf + ")";
}

// Reads SGF text into a document, every position computed, move 0 shown.
inline void loadText(Document& doc, const std::string& sgf) {
  ReadOptions options;
  ASSERT_EQ(loadRecordText(doc, utf8ToUtf16(sgf), options), kReadOk);
  showMove(doc, 0);
}

// A folder of its own, removed afterwards.
struct TempFolder {
  fs::path path = freshTestFolder("mokuza-playback");
  TempFolder() = default;
  TempFolder(const TempFolder&) = delete;
  ~TempFolder() {
    std::error_code ec;
    fs::remove_all(path, ec);
  }
  fs::path write(const std::string& name, const std::string& content) const {
    std::ofstream(path / name, std::ios::binary) << content;
    return path / name;
  }
};

// A document and a playlist played by the timer, 10 ms a tick.
class PlaybackTest : public ::testing::Test {
 protected:
  PlaybackTest() { doc.globalOptions[GlobalOption::UpdateTime] = 10; }

  // Timer ticks until auto-play stops, at most `limit`.
  void run(int limit = 100000) {
    for (int i = 0; i < limit && pb.autoPlay.running(); ++i) {
      ++tick;
      playback::onPlaybackTimer(pb);
      afterTick();
    }
  }
  virtual void afterTick() {}
  std::u16string lastHistory() const {
    return doc.undoEntries.empty() ? u"" : doc.undoEntries[static_cast<std::size_t>(doc.undoIndex)].description;
  }

  TempFolder folder;
  platform::HeadlessServices services;
  Document doc;
  Playlist playlist;
  playback::Playback pb{doc, playlist, services, folder.path};
  int tick = 0;
};

}  // namespace mokuza::test
