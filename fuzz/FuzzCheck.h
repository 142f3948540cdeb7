// What the fuzz targets share: a check that stops the run loudly (libFuzzer keeps the input
// that made it fail), and the error lines the loaders showed, caught instead of printed.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

// Aborts with the condition and its place when it does not hold; never compiled out.
#define FUZZ_CHECK(condition)                                                              \
  do {                                                                                     \
    if (!(condition)) {                                                                    \
      std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);   \
      std::abort();                                                                        \
    }                                                                                      \
  } while (0)

namespace fuzzsupport {

// The text of the last platform::showError call since clearErrorLines(), and how many calls
// there were. The fuzz builds link fuzz/ErrorCapture.cpp in place of platform/ErrorLine.cpp.
const std::string& lastErrorLine();
int errorLineCount();
void clearErrorLines();

inline bool contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

inline bool startsWith(const std::string& text, const std::string& prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

}  // namespace fuzzsupport
