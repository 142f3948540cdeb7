// Leaving the program: the quit path of the menu (and of a closed window), and shutdown.
#pragma once

// Releases what the game holds, waits two seconds so the shutdown sound can be heard, leaves
// the game mode and ends the process with exit status 0. Never returns.
[[noreturn]] void shutdown();

// The same without the wait and without a sound: what Ctrl+C, kill or a closed terminal
// lead to, from the idle update. The pointer is shown again. Never returns.
[[noreturn]] void shutdownOnSignal();

// What the menu's quit entry does: the shutdown sound, then shutdown().
[[noreturn]] void quitGame();
