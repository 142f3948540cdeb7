// Posting the status line, and whether it is on screen: a new line replaces the one shown
// before.
#pragma once

// The status line becomes a line at (x, y) in colour with text (a string that outlives it);
// messageTime = now. messageDuration is left to the caller.
void postStatusMessage(int x, int y, const float* colour, const char* text);

// True while the status line is on screen: within messageDuration seconds of messageTime on
// the game clock, and only in play. The pause line and the verdict stand where it stands, so
// it gives way to them (a pause only hides it: its time goes on after the pause).
bool statusLineShown();
