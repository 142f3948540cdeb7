// Raising, blinking and ending the alarm.
#include "game/Alarm.h"

#include "game/GameState.h"
#include "game/Guard.h"
#include "platform/Clock.h"

std::int16_t alarmBlinkFrames = 0;

namespace {

// Seconds after the last raise at which the alarm ends by itself.
constexpr float alarmLength = 25.0f;

}  // namespace

void raiseAlarm(Guard* alertedGuard) {
  heist.alarmActive = true;
  heist.alarmStartTime = platform::clockSeconds();
  if (alertedGuard != nullptr) alertedGuard->setAlerted(true);
}

void blinkAlarmLights() {
  const float t = platform::clockSeconds();
  if (t - heist.alarmStartTime > alarmLength) {
    heist.alarmActive = false;
    heist.alarmBlinkCounter = 0;
    heist.alarmLightsOn = false;
    return;
  }
  // 16-bit counter: with a period of 0 (or below) it wraps before it ever matches.
  heist.alarmBlinkCounter = static_cast<std::int16_t>(heist.alarmBlinkCounter + 1);
  if (heist.alarmBlinkCounter == alarmBlinkFrames) {
    heist.alarmBlinkCounter = 0;
    heist.alarmLightsLit = !heist.alarmLightsLit;
    heist.alarmLightsOn = heist.alarmLightsLit;
  }
}

void toggleAlarm() {
  if (heist.alarmActive) {
    heist.alarmActive = false;
    heist.alarmLightsOn = false;
  } else {
    raiseAlarm(nullptr);
  }
}
