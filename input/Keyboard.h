// The character keys: the GLUT keyboard and keyboard-up callbacks.
#pragma once

void keyboardDown(unsigned char key, int x, int y);
void keyboardUp(unsigned char key, int x, int y);
