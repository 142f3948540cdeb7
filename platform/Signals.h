// Ctrl+C, kill and a closed terminal (SIGINT, SIGTERM, SIGHUP): the handler only raises a
// flag, and the game's idle update runs the shutdown from there, on the GLUT thread.
#pragma once

namespace platform {

// Installs the handler for the three signals, except one the process was started with
// ignored (nohup). Call once, before the sound library starts (which is told to leave the
// signals alone).
void catchTerminationSignals();

// True once one of the signals has arrived.
bool terminationRequested();

// During start-up (until startupOver), ends the process with status 0 when one of the signals
// has arrived; the loaders call it between files, so a Ctrl+C while the game loads is obeyed
// at once. Does nothing afterwards: the idle update runs the shutdown then.
void endStartupIfTerminationRequested();

// Called once the main loop's callbacks are in place.
void startupOver();

// Called when the shutdown begins: from then on any of the signals ends the process at
// once with status 0, as does a second signal before the idle update has seen the first.
void markShuttingDown();

}  // namespace platform
