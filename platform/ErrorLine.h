// The error line that stands in for a desktop message box: "Error: <text>" on standard error.
#pragma once

#include <string>

namespace platform {

// Writes "Error: " + text and a line break to standard error, and flushes it.
void showError(const std::string& text);

}  // namespace platform
