// The function and arrow keys: the GLUT special and special-up callbacks.
#pragma once

void specialDown(int key, int x, int y);
void specialUp(int key, int x, int y);
