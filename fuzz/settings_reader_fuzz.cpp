// libFuzzer harness for the settings file (setting.dat) reader.
//
// Built through CMake: configure with CXX=clang++ -DMOKUZA_FUZZ=ON, build settings_reader_fuzz.
// Run it seeded with a settings file the program wrote (new inputs go to the first folder):
//   mkdir -p build-fuzz/found-dat && build-fuzz/bin/settings_reader_fuzz -max_len=65536 -timeout=10 \
//     -rss_limit_mb=2048 -max_total_time=600 build-fuzz/found-dat SEEDS
// where SEEDS is a folder holding a setting.dat the program wrote.
//
// Each input is read as the settings file of an empty program folder; what
// was read is written, read again and written again. Besides memory errors
// and hangs it stops when the two written texts differ: a value the program
// writes must read back as itself.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

#include "core/record/text.h"
#include "platform/user_files.h"
#include "settings/options.h"
#include "settings/settings_file.h"

namespace {

namespace fs = std::filesystem;

// One empty program folder for the whole run; it only ever holds the file
// read, and goes when the run ends.
struct FuzzFolder {
  FuzzFolder() {
    // Named by the process: one run, one folder; a leftover of an earlier run is refused.
    context.programFolder = fs::temp_directory_path() / ("mokuza-settings-fuzz-" + std::to_string(::getpid()));
    std::error_code ec;
    if (!fs::create_directory(context.programFolder, ec)) std::abort();
    context.settingsFile = context.programFolder / "setting.dat";
    context.screen = {1920, 1080, {{0, 0, 1920, 1040}}};
  }
  ~FuzzFolder() {
    std::error_code ignored;
    fs::remove_all(context.programFolder, ignored);
  }
  mokuza::SettingsContext context;
};

const mokuza::SettingsContext& fuzzContext() {
  static const FuzzFolder folder;
  return folder.context;
}

// Reads the settings file over a fresh document and writes it back in its
// place; the bytes written.
std::string readAndWriteBack() {
  const mokuza::SettingsContext& context = fuzzContext();
  mokuza::Document doc;
  mokuza::Settings settings;
  mokuza::setGlobalDefaults(doc);
  mokuza::readSettings(doc, settings, context, context.settingsFile, true);
  if (!mokuza::writeSettings(doc, settings, context.programFolder, context.settingsFile)) std::abort();
  return mokuza::readFileBytes(context.settingsFile).value_or("");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (!mokuza::platform::writeUserFile(fuzzContext().settingsFile,
                                       std::string_view(reinterpret_cast<const char*>(data), size)))
    std::abort();
  const std::string first = readAndWriteBack();
  const std::string second = readAndWriteBack();
  if (second != first) {
    std::fprintf(stderr, "invariant broken: the written settings read back differently\n%s\n---\n%s\n", first.c_str(),
                 second.c_str());
    std::abort();
  }
  return 0;
}
