// Fuzz target of the settings file parser: any contents either give a mode line of at most 99
// characters without line ends, NUL bytes or blanks around it, of a size a screen can have,
// which parses again by itself to the same settings; or they are refused with a reason.
// The options read from them, written back into them as the options page saves, read back
// the same, with the same mode line (or the new size the page chose).
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/GameOptions.h"
#include "app/Settings.h"
#include "app/SettingsWriter.h"
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

  GameOptions options;
  parseGameOptions(contents, "fuzz", options);
  const auto lines = gameOptionLines(options);
  for (const char* size : {"", "1280x720"}) {
    const std::string saved = settingsWithValues(contents, lines, size);
    ScreenSettings reread;
    FUZZ_CHECK(parseSettings(saved, reread, problem));
    if (*size == '\0') {
      FUZZ_CHECK(reread.modeString == mode);
    } else {
      FUZZ_CHECK(reread.width == 1280 && reread.height == 720 && reread.depth == settings.depth &&
                 reread.refresh == settings.refresh);
    }
    GameOptions readBack;
    parseGameOptions(saved, "fuzz", readBack);
    FUZZ_CHECK(gameOptionLines(readBack) == lines);
    // Saving again changes nothing more.
    FUZZ_CHECK(settingsWithValues(saved, lines, size) == saved);
  }
  return 0;
}
