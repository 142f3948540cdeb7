// Posting the status line: a new line replaces the one shown before.
#pragma once

// The status line becomes a line at (x, y) in colour with text (a string that outlives it);
// messageTime = now. messageDuration is left to the caller.
void postStatusMessage(int x, int y, const float* colour, const char* text);
