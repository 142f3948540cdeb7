// The termination signals' handler: async-signal-safe, it touches nothing but two flags
// and, for a signal that finds the game already on its way out, _exit.
#include "platform/Signals.h"

#include <signal.h>
#include <stdio.h>
#include <unistd.h>

#include <initializer_list>

namespace platform {

namespace {

// Written by the handler and the GLUT thread, read by both: the program's lifetime.
volatile sig_atomic_t requested = 0;
volatile sig_atomic_t shuttingDown = 0;
// Set by startupOver, on the GLUT thread only.
bool startingUp = true;

void onTerminationSignal(int) {
  if (requested != 0 || shuttingDown != 0) {
    _exit(0);
  }
  requested = 1;
}

}  // namespace

void catchTerminationSignals() {
  struct sigaction action = {};
  action.sa_handler = onTerminationSignal;
  sigemptyset(&action.sa_mask);
  // Restarted system calls: an X read or a sleep interrupted by the signal goes on, and the
  // flag is read at the next idle update.
  action.sa_flags = SA_RESTART;
  for (const int signalNumber : {SIGINT, SIGTERM, SIGHUP}) {
    // A signal ignored from the start stays ignored: nohup, or a background job of a script,
    // asked for that.
    struct sigaction before = {};
    if (sigaction(signalNumber, nullptr, &before) == 0 && before.sa_handler == SIG_IGN) continue;
    sigaction(signalNumber, &action, nullptr);
  }
}

bool terminationRequested() {
  return requested != 0;
}

void endStartupIfTerminationRequested() {
  if (!startingUp || requested == 0) return;
  // Nothing is drawn or kept yet: the lines written so far go out, and nothing else needs
  // undoing (the exit handlers of half-started libraries are skipped on purpose).
  fflush(nullptr);
  _exit(0);
}

void startupOver() {
  startingUp = false;
}

void markShuttingDown() {
  shuttingDown = 1;
}

}  // namespace platform
