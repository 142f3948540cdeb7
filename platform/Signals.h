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

// Called when the shutdown begins: from then on any of the signals ends the process at
// once with status 0, as does a second signal before the idle update has seen the first.
void markShuttingDown();

}  // namespace platform
