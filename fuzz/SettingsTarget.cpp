// Fuzz target of the settings file parser: any contents either give a mode line of at most 99
// characters without line ends, NUL bytes or blanks around it, of a size a screen can have,
// which parses again by itself to the same settings; or they are refused with a reason.
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/Settings.h"
#include "fuzz/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string contents(reinterpret_cast<const char*>(data), size);
  ScreenSettings settings;
  std::string problem;
  if (!parseSettings(contents, settings, problem)) {
    FUZZ_CHECK(!problem.empty());
    return 0;
  }
  FUZZ_CHECK(problem.empty());
  const std::string& mode = settings.modeString;
  FUZZ_CHECK(!mode.empty() && mode.size() <= settingsMaxLineLength);
  FUZZ_CHECK(mode.find_first_of(std::string("\n\r\t \0", 5)) == std::string::npos);
  FUZZ_CHECK(contents.find(mode) != std::string::npos);
  FUZZ_CHECK(settings.width >= settingsMinWidth && settings.width <= settingsMaxSide);
  FUZZ_CHECK(settings.height >= settingsMinHeight && settings.height <= settingsMaxSide);
  FUZZ_CHECK(settings.refresh >= 0);

  // The mode line written back as the only line, with a CR-LF end, reads the same.
  ScreenSettings again;
  FUZZ_CHECK(parseSettings(mode + "\r\n", again, problem));
  FUZZ_CHECK(again.modeString == mode && again.width == settings.width &&
             again.height == settings.height && again.refresh == settings.refresh &&
             again.depth == settings.depth);
  return 0;
}
