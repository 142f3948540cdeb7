// Between frames: a termination signal ends the game; otherwise the next frame is asked for.
#pragma once

// The GLUT idle callback.
void idle();
