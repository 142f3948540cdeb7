// Mouse motion: the GLUT motion and passive-motion callbacks (both turn the view).
#pragma once

void mouseMotion(int x, int y);
void mousePassiveMotion(int x, int y);
