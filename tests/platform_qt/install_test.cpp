#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/default_assets.h"
#include "platform/program_folder.h"
#include "tests/test_folder.h"

namespace fs = std::filesystem;
using namespace mokuza::platform;

namespace {

std::string fileText(const fs::path& file) {
  std::ifstream in(file);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// The files under `folder`, relative to it.
std::vector<fs::path> filesUnder(const fs::path& folder) {
  std::vector<fs::path> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder))
    if (entry.is_regular_file()) files.push_back(entry.path().lexically_relative(folder));
  std::sort(files.begin(), files.end());
  return files;
}

}  // namespace

// The installed tree holds the programs, the defaults and the desktop files,
// and a program in its bin/ seeds the user's program folder from it.
TEST(InstallTest, InstalledProgramsFindTheirDefaults) {
  const fs::path root = mokuza::test::freshTestFolder("mokuza-install");
  const fs::path prefix = root / "prefix", log = root / "install.log";
  const std::string command = std::string("\"") + MOKUZA_CMAKE_COMMAND + "\" --install \"" + MOKUZA_BINARY_DIR +
                              "\" --prefix \"" + prefix.string() + "\" > \"" + log.string() + "\" 2>&1";
  ASSERT_EQ(std::system(command.c_str()), 0) << fileText(log);

  std::stringstream programs(MOKUZA_INSTALLED_PROGRAMS);
  for (std::string program; std::getline(programs, program, ',');)
    EXPECT_EQ(::access((prefix / "bin" / program).c_str(), X_OK), 0) << program;
  EXPECT_FALSE(fs::exists(prefix / "bin" / "gra")) << "an installed program is no portable one";

  const fs::path shared = prefix / "share" / "mokuza";
  EXPECT_EQ(filesUnder(shared / "gra"), filesUnder(fs::path(MOKUZA_ASSET_DIR) / "gra"));
  for (const char* sound : {"black_sound.wav", "white_sound.wav"})
    EXPECT_EQ(fs::file_size(shared / sound), fs::file_size(fs::path(MOKUZA_ASSET_DIR) / sound)) << sound;

  const std::string desktop = fileText(prefix / "share" / "applications" / "mokuza.desktop");
  EXPECT_NE(desktop.find("\nExec=mokuza %f\n"), std::string::npos);
  EXPECT_NE(desktop.find("\nMimeType=application/x-go-sgf;application/x-mokuza-playlist;\n"), std::string::npos);
  const std::string types = fileText(prefix / "share" / "mime" / "packages" / "mokuza.xml");
  for (const char* type : {"type=\"application/x-go-sgf\"", "pattern=\"*.sgf\"",
                           "type=\"application/x-mokuza-playlist\"", "pattern=\"*.gpl\""})
    EXPECT_NE(types.find(type), std::string::npos) << type;
  EXPECT_TRUE(fs::is_regular_file(prefix / "share" / "icons" / "hicolor" / "scalable" / "apps" / "mokuza.svg"));

  const fs::path bin = prefix / "bin";
  ASSERT_EQ(findDefaultAssets("", bin), bin.parent_path() / "share" / "mokuza");
  const fs::path folder = resolveProgramFolder({"", bin, "", (root / "home").string(), findDefaultAssets("", bin)});
  EXPECT_EQ(folder, root / "home" / ".local" / "share" / "mokuza");
  EXPECT_EQ(filesUnder(folder), filesUnder(shared)) << "seeded with every default image and sound";
  fs::remove_all(root);
}
