// Watching a recorded heist (vaultrun --replay FILE) in the game's window, and the start-up
// values every recording takes from the program.
#pragma once

#include <string>

// After the settings are applied: the options and the version each recording's header
// carries, and where it reads the walking directions held at a new game.
void prepareHeistRecording();
// The options every later recording's header carries, again after the options page changed
// them (a heist keeps those it began with).
void noteRecordedOptions();

// Reads the file and plays the heist in it, as it was played, until Esc (or the window is
// closed). A file that is no recorded heist of this game is refused with one line on
// standard output and status 1, before anything opens. speed is 1, 2 or 4.
int watchReplay(const std::string& path, int speed);

// Starts this program again on `vaultrun --replay path`, in a window of its own, and returns
// at once: the game goes on where it stands. Says so in one line (or why it cannot).
void watchInAWindowOfItsOwn(const std::string& path);
