// Showing a finished frame. The replay driver and the benchmark hook in just before the swap,
// to read the finished back buffer (screenshots, pixel probes).
#pragma once

namespace platform {

// Runs the before-swap hook (if any), then swaps the window's buffers.
void swapBuffers();

using BeforeSwapHook = void (*)();
void setBeforeSwapHook(BeforeSwapHook hook);

}  // namespace platform
