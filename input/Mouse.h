// The mouse: the left button fires the player's pistol, motion turns the view.
#pragma once

void mouseButton(int button, int state, int x, int y);
void mouseMotion(int x, int y);
void mousePassiveMotion(int x, int y);
