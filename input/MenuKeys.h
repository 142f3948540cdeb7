// The keys, the pad and the mouse on the pages of rows (the pause menu, the options, the
// bindings) and on the controls page opened from the pause menu: one way in for all three.
#pragma once

enum class PageKey { Up, Down, Left, Right, Choose, Back, Resume };

// True while such a page is shown: the keys then act on it alone.
bool pageShown();

// A key pressed on the page: a character, or specialKeyBase + a special key's code. The page
// waiting for a key to bind takes any key; otherwise w/s and the arrows move, a/d and the
// arrows change, Enter chooses, Backspace and Esc go back one page, 'p' resumes from the
// pause menu. Every key is taken while a page is shown.
void pressKeyOnPage(int key);

// What the pad and the mouse do on the page.
void pressOnPage(PageKey key);
