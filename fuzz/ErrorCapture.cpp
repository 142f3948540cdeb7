// The error line of the fuzz builds: kept in memory for the target to check instead of being
// written to standard error, where millions of refusals would drown the fuzzer's own report.
#include "platform/ErrorLine.h"

#include "fuzz/FuzzCheck.h"

namespace {

std::string lastLine;
int lineCount = 0;

}  // namespace

namespace platform {

void showError(const std::string& text) {
  lastLine = text;
  ++lineCount;
}

}  // namespace platform

namespace fuzzsupport {

const std::string& lastErrorLine() {
  return lastLine;
}

int errorLineCount() {
  return lineCount;
}

void clearErrorLines() {
  lastLine.clear();
  lineCount = 0;
}

}  // namespace fuzzsupport
