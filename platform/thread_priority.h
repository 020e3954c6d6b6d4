#pragma once
// Threads that work in the background of a window.

namespace mokuza::platform {

// The calling thread goes after the others of the machine when cores are
// scarce, so the window's thread answers a key at once. Nothing happens where
// the system refuses.
void yieldToForegroundThreads();

}  // namespace mokuza::platform
