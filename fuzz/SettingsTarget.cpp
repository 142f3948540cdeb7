// Fuzz target of the settings file parser: any contents either give a mode line of at most 99
// characters without line ends, NUL bytes or blanks around it, of a size a screen can have,
// which parses again by itself to the same settings; or they are refused with a reason. The
// option lines above the mode line come out within their ranges whatever they hold, with one
// complaint naming the file and its line for each line skipped. The options read from them,
// written back into them as the options page saves, read back the same (the rules, the
// difficulty and the meter, which the page leaves as they stand, too), with the same mode line
// (or the new size the page chose).
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/GameOptions.h"
#include "app/Settings.h"
#include "app/SettingsWriter.h"
#include "fuzz/FuzzCheck.h"

namespace {

void checkOptions(const std::string& contents) {
  GameOptions options;
  for (const std::string& complaint : parseGameOptions(contents, "settings.ini", options)) {
    FUZZ_CHECK(complaint.compare(0, 19, "settings.ini: line ") == 0);
  }
  FUZZ_CHECK(options.mouseSensitivity >= 0.1f && options.mouseSensitivity <= 10.0f);
  FUZZ_CHECK(options.musicVolume >= 0 && options.musicVolume <= 100);
  FUZZ_CHECK(options.effectsVolume >= 0 && options.effectsVolume <= 100);
  FUZZ_CHECK(options.fieldOfView >= 30.0f && options.fieldOfView <= 90.0f);
  FUZZ_CHECK(options.pad.turnSpeed >= 30.0f && options.pad.turnSpeed <= 720.0f);
  FUZZ_CHECK(options.pad.deadZone >= 0.0f && options.pad.deadZone <= 0.5f);
  FUZZ_CHECK(options.play.rules == Rules::Classic || options.play.rules == Rules::Stealth);
  FUZZ_CHECK(static_cast<int>(options.play.difficulty) <= static_cast<int>(Difficulty::Hard));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string contents(reinterpret_cast<const char*>(data), size);
  checkOptions(contents);
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
    FUZZ_CHECK(readBack.play.rules == options.play.rules &&
               readBack.play.difficulty == options.play.difficulty &&
               readBack.play.visibilityMeter == options.play.visibilityMeter);
    // Saving again changes nothing more.
    FUZZ_CHECK(settingsWithValues(saved, lines, size) == saved);
  }
  return 0;
}
