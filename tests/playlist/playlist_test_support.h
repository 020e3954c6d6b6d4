#pragma once
// Shared by the playlist tests: a private folder per test with a program
// folder inside, a document and scripted services, a playlist context over
// them, and small SGF files to add.

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/document/document.h"
#include "core/record/text.h"
#include "platform/headless/headless_services.h"
#include "playlist/design_fields.h"
#include "playlist/playlist_context.h"
#include "playlist/playlist_reader.h"
#include "tests/corpus_files.h"
#include "tests/test_folder.h"

namespace mokuza::test {

namespace fs = std::filesystem;

inline std::string u8(std::u16string_view text) { return utf16ToUtf8(text); }
inline std::u16string u16(const std::string& text) { return utf8ToUtf16(text); }
inline std::u16string u16(const fs::path& path) { return pathToText(path); }

inline std::string slurp(const fs::path& path) { return readFileBytes(path).value_or(""); }

// The entry's values under these labels joined by "|": the path of a file
// field, else the number or the text; empty when absent.
inline std::string fieldsOf(const PlaylistEntry& entry, std::initializer_list<std::u16string_view> labels) {
  std::string joined;
  for (std::u16string_view label : labels) {
    if (label != *labels.begin()) joined += "|";
    if (entry.fileNames.contains(label) || entry.fileFolders.contains(label)) joined += u8(FilePath(entry, label));
    else if (const auto number = entry.intFields.find(label); number != entry.intFields.end())
      joined += std::to_string(number->second);
    else joined += u8(textField(entry, label));
  }
  return joined;
}

class PlaylistTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = freshTestFolder("mokuza-pl");
    home = dir / "home";
    fs::create_directories(home);
    fs::create_directories(dir / "lists");
    playlist.path = u16(dir / "lists" / "test.gpl");
    playlist.folder = u16(dir / "lists") + u"/";
    playlist.beforeFolder = playlist.folder;
    doc.state.design.intFields = makeInitialDesign().intFields;
    services.clock = 1733400000;  // 2024-12-05 12:00:00 UTC
  }
  void TearDown() override { fs::remove_all(dir); }

  // An SGF file with these players and moves; returns its full path.
  fs::path game(const std::string& name, const std::string& black = "Black", const std::string& white = "White",
                int moves = 3, const std::string& extra = "") {
    fs::create_directories((dir / name).parent_path());
    std::string sgf =
        "(;GM[1]SZ[19]PB[" + black + "]PW[" + white + "]DT[2024-01-0" + std::to_string(moves % 10) + "]" + extra;
    for (int m = 0; m < moves; ++m)
      sgf += std::string(";") + (m % 2 ? "W[" : "B[") + static_cast<char>('a' + m % 19) +
             static_cast<char>('a' + m / 19) + "]";
    sgf += ")";
    std::ofstream(dir / name, std::ios::binary) << sgf;
    return dir / name;
  }

  std::vector<std::u16string> paths(const std::vector<fs::path>& files) {
    std::vector<std::u16string> texts;
    for (const fs::path& file : files) texts.push_back(u16(file));
    return texts;
  }

  // Reads playlist text as if it were the file test.gpl in the lists folder.
  PlaylistReadResult parse(std::u16string_view source) {
    PlaylistReadContext context;
    context.programFolder = home;
    context.playlistFolder = playlist.folder;
    context.beforeFolder = playlist.folder;
    context.base = makeInitialDesign();
    context.now = u"20241205120000";
    return parsePlaylistText(source, context);
  }

  // The black players of the list in display order.
  std::vector<std::string> players() const {
    std::vector<std::string> list;
    for (int record : playlist.displayOrder)
      list.push_back(u8(textField(playlist.entries[static_cast<std::size_t>(record)], u"黒対局者")));
    return list;
  }

  // Selects the games at these 1-based places.
  void select(std::initializer_list<int> places) {
    playlist.list.selected.clear();
    for (int place : places) {
      playlist.list.selected.insert(playlist.displayOrder[static_cast<std::size_t>(place - 1)]);
      playlist.list.anchor = playlist.displayOrder[static_cast<std::size_t>(place - 1)];
    }
  }

  std::vector<std::string> messages() const {
    std::vector<std::string> texts;
    for (const auto& call : services.callsOf("messageBox")) texts.push_back(u8(call.title) + ": " + u8(call.text));
    return texts;
  }

  PlaylistContext context() { return PlaylistContext{playlist, doc, services, home, {}, {}}; }

  fs::path dir;
  fs::path home;
  Playlist playlist;
  Document doc;
  platform::HeadlessServices services;
};

}  // namespace mokuza::test
