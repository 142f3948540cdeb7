// Vertical sync: how many screen refreshes each buffer swap waits for. The game asks for one
// right after its display opens, so it draws no more frames than the screen shows and the
// alarm lights blink about once a second; the timedemo turns it off to measure frame costs.
#pragma once

namespace platform {

// Sets the swap interval of the current GL context's drawable: 1 waits for the next
// refresh, 0 swaps at once. Uses GLX_EXT_swap_control, else GLX_MESA_swap_control, else
// GLX_SGI_swap_control (which cannot turn it off), where the GLX implementation has them.
// Returns false when none applies or there is no current context; nothing changes then.
bool setSwapInterval(int interval);

// True when the space-separated extension list holds name as a whole word.
bool hasGlxExtension(const char* extensionList, const char* name);

}  // namespace platform
