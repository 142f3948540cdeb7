// Error lines on standard error.
#include "platform/ErrorLine.h"

#include <cstdio>

namespace platform {

void showError(const std::string& text) {
  std::fprintf(stderr, "Error: %s\n", text.c_str());
  std::fflush(stderr);
}

}  // namespace platform
