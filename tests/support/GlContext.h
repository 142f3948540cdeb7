// A GL context for tests that draw: one freeglut window on the test's X display, made once.
#pragma once

namespace testsupport {

// Creates the window and makes its context current (once per process); later calls do nothing.
// Returns false when no X display can be opened.
bool ensureGlContext(int width = 1024, int height = 768);

}  // namespace testsupport
