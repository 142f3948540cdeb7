// The second half of every frame: the GLUT display callback.
#pragma once

void display();
