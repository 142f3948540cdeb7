// A frame: the game's rules of the frame, then its drawing, the siren and the swap.
#pragma once

// The GLUT display callback.
void display();
