#pragma once
// A private program folder inside a temporary folder, a document and its
// settings, and helpers to write settings text and read it back.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "core/document/document.h"
#include "core/record/text.h"
#include "settings/options.h"
#include "settings/placement.h"
#include "settings/settings_file.h"
#include "tests/test_folder.h"

namespace mokuza {

inline void PrintTo(const Rect& rect, std::ostream* out) {
  *out << "{" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom << "}";
}

}  // namespace mokuza

namespace mokuza::test {

namespace fs = std::filesystem;

inline std::string u8(std::u16string_view text) { return utf16ToUtf8(text); }

class SettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root = freshTestFolder("mokuza-settings");
    program = root / "program";
    fs::create_directories(program);
    context.programFolder = program;
    context.settingsFile = program / "setting.dat";
    context.screen = {1920, 1080, {{0, 0, 1920, 1040}}};
    setGlobalDefaults(doc);
  }
  void TearDown() override { fs::remove_all(root); }

  // Creates a file (and its folders) below the temporary folder.
  fs::path touch(const fs::path& relative, const std::string& bytes = "x") {
    const fs::path path = root / relative;
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }
  static std::u16string text(const fs::path& path) { return pathToText(path); }
  static std::string bytesOf(const fs::path& path) { return readFileBytes(path).value_or(""); }
  // Settings text (UTF-8, written as the program writes it) read over the
  // current values.
  void readText(const std::u16string& settingsText, bool startAfresh = true) {
    const fs::path file = program / "input.dat";
    ASSERT_TRUE(writeTextFile(file, settingsText));
    readSettings(doc, settings, context, file, startAfresh);
  }
  // A stored value by its file key, from the document's options or else the
  // global ones; -999999 when neither has it.
  std::int32_t option(std::string_view key) const {
    const auto& stored = doc.state.options.values.contains(key) ? doc.state.options.values : doc.globalOptions.values;
    const auto it = stored.find(key);
    return it == stored.end() ? -999999 : it->second;
  }
  // "key=value " for each key.
  std::string values(std::initializer_list<std::string_view> keys) const {
    std::string text;
    for (std::string_view key : keys) text += std::string(key) + "=" + std::to_string(option(key)) + " ";
    return text;
  }

  fs::path root;
  fs::path program;
  SettingsContext context;
  Document doc;
  Settings settings;
};

}  // namespace mokuza::test
