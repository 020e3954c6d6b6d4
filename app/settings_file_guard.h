#pragma once
// setting.dat that the program could not read whole: never replaced unseen.

#include "app/application.h"

namespace mokuza::app {

// After the settings were read at start: a file that could not be read at
// all is kept beside the new one (setting.dat.unreadable, numbered when that
// name is taken) and the user is told once.
void keepUnreadableSettings(Application& app);

// Whether the close may write setting.dat: a file read in part loses what it
// held only when the user agrees, and with `mayAsk` false (a close nobody
// watches) it stays as it is.
bool maySaveSettings(Application& app, bool mayAsk);

}  // namespace mokuza::app
