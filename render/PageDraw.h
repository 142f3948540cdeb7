// The pages of rows (the pause menu, the options, the bindings) over the dimmed frame, and
// the shaded rectangles the results panel stands on too.
#pragma once

// A black sheet of this opacity over window pixels left..right, top..bottom.
void shadeRectangle(int left, int top, int right, int bottom, float opacity);

// The page the screen shows (game/Screen.h shownPage), over whatever the frame drew: a dark
// sheet, the title, the rows with the selected one highlighted, the notice and the keys' hint.
void drawShownPage();
