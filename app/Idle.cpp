// The idle callback: acts on a termination signal, then asks for the next frame.
#include "app/Idle.h"

#include <GL/freeglut.h>

#include "app/Shutdown.h"
#include "platform/Signals.h"

void idle() {
  // A termination signal is acted on here, on the GLUT thread, never inside its handler.
  if (platform::terminationRequested()) {
    shutdownOnSignal();
  }
  glutPostRedisplay();
}
