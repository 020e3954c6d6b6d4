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

// $MOKUZA_HOME when set (made absolute); else the executable's folder when it
// holds gra/ and is writable (portable layout); else $XDG_DATA_HOME/mokuza or
// ~/.local/share/mokuza, from absolute values only. The chosen folder is
// created when missing; all but the portable one are seeded with the default
// images and sounds they lack. Empty when no folder can be formed
// (kNoProgramFolder): never one relative to the working folder.
std::filesystem::path resolveProgramFolder(const ProgramFolderInputs& inputs);

inline constexpr const char* kNoProgramFolder = "no program folder: set HOME (or MOKUZA_HOME) to an absolute path";

// The same, reading the environment ($MOKUZA_ASSET_DIR names the defaults
// folder) and /proc/self/exe.
std::filesystem::path resolveProgramFolder();

}  // namespace mokuza::platform
