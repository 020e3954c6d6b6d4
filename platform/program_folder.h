#pragma once
// Where setting.dat, history/, playlists/, figurelists/, temp/, gra/ and
// output.mid live.

#include <filesystem>
#include <string>

namespace mokuza::platform {

struct ProgramFolderInputs {
  std::string mokuzaHome;               // $MOKUZA_HOME, empty when unset
  std::filesystem::path executableDir;  // folder of the running program
  std::string xdgDataHome;              // $XDG_DATA_HOME, empty when unset
  std::string home;                     // $HOME
  std::filesystem::path defaultAssets;  // shipped gra/ and stone sounds, empty when none (default_assets.h)
};

// $MOKUZA_HOME when set; else the executable's folder when it holds gra/ and
// is writable (portable layout); else $XDG_DATA_HOME/mokuza or
// ~/.local/share/mokuza. The chosen folder is created when missing; all but
// the portable one are seeded with the default images and sounds they lack.
std::filesystem::path resolveProgramFolder(const ProgramFolderInputs& inputs);

// The same, reading the environment ($MOKUZA_ASSET_DIR names the defaults
// folder) and /proc/self/exe.
std::filesystem::path resolveProgramFolder();

}  // namespace mokuza::platform
