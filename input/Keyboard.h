// The keyboard callbacks of the character keys.
#pragma once

void keyboardDown(unsigned char key, int x, int y);
void keyboardUp(unsigned char key, int x, int y);

// What a key bound in the key table does when pressed or released: a character, or
// specialKeyBase + a special key's code (the arrows come here too).
void pressBoundKey(int key);
void releaseBoundKey(int key);
