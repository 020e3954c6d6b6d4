#pragma once
// The recovery copy: a game with unsaved edits kept in the program folder
// (recovery/), so that a close nobody answers, a crash or a power cut loses
// at most the last minute of editing.

#include <filesystem>

#include "app/application.h"

namespace mokuza::app {

// The copy of the unsaved game; never the game's own file.
std::filesystem::path recoveryCopyPath(const std::filesystem::path& programFolder);

// Called every minute: while the game has unsaved edits the copy is brought
// up to date; once they are saved or given up, it goes.
void refreshRecoveryCopy(Application& app);

// At start: a copy the last run left is offered ("前回保存されなかった棋譜
// があります。開きますか？"). Yes opens it as an unsaved game; No sets it
// aside in the same folder, where it is not offered again. True when the
// copy was opened.
bool offerRecoveryCopy(Application& app);

}  // namespace mokuza::app
