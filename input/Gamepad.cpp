// Reading the game pads once a frame and turning what changed into the game's rules: the
// buttons through the bindings table, the sticks into walking and looking.
#include "input/Gamepad.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "game/Cues.h"
#include "game/GameState.h"
#include "game/HeistRecorder.h"
#include "game/MenuPage.h"
#include "game/PlayerActions.h"
#include "game/Screen.h"
#include "input/HeldKeys.h"
#include "input/MenuKeys.h"
#include "input/PadBindings.h"
#include "platform/Clock.h"

PadOptions padOptions;
std::int32_t padForward = 0;
std::int32_t padStrafe = 0;

namespace {

constexpr float triggerPressed = 0.5f;   // of the trigger's travel
constexpr float stickMoves = 0.3f;       // response beyond which the stick walks or moves a menu
// A stick moved this far (of full tilt) from where it stood when the pad was opened was moved
// by a hand: a worn stick drifts slowly and never this far.
constexpr float stickTouched = 0.5f;
// A frame that came late does not swing the view by the whole stall.
constexpr float longestTurnSeconds = 0.1f;
constexpr float radiansPerDegree = 3.14159265f / 180.0f;

enum StickAxis { LeftX, LeftY, RightX, RightY, stickAxisCount };
static_assert(padControlCount <= replayPadControls, "a recorded heist keeps every control");

struct OpenPad {
  SDL_GameController* controller;
  SDL_JoystickID id;
  std::int16_t rest[stickAxisCount];  // the sticks when the pad was opened
  bool touched;                // a control pressed or a stick moved by a hand since then
  bool live[2];                // left and right stick: read, not ignored
};

// What every pad holds together in one frame, as a recorded heist keeps it: a bit for each
// control pressed, and the stick axes in SDL's units (-32767..32767, y positive down); 0 for
// a pad whose sticks have not been touched.
using PadReading = ReplayPadState;

bool pressedIn(const PadReading& r, int control) {
  return (r.pressed >> control & 1u) != 0;
}

// An axis of SDL's units as -1..1.
float tilt(std::int16_t axis) {
  return static_cast<float>(axis) / 32767.0f;
}

// ---- Set by startGamepads; the pads opened and let go by readGamepads ----
bool started = false;
std::vector<OpenPad> pads;
// ---- The last frame's reading, to tell what changed ----
PadReading previous;
PadReading latest;          // this frame's, from before it is acted on (a new game's header)
int previousMenuStick = 0;  // -1 up, 1 down, 0 neither
std::uint32_t lastReadMs = 0;
bool readBefore = false;

// SDL's axis, its one value past -32767 taken as -32767 (full tilt either way).
std::int16_t rawAxis(SDL_GameController* controller, int axis) {
  const int v = SDL_GameControllerGetAxis(controller, static_cast<SDL_GameControllerAxis>(axis));
  return static_cast<std::int16_t>(std::max(-replayPadAxisLimit, v));
}

float axisValue(SDL_GameController* controller, int axis) {
  return tilt(rawAxis(controller, axis));
}

void readSticks(SDL_GameController* controller, std::int16_t out[stickAxisCount]) {
  out[LeftX] = rawAxis(controller, SDL_CONTROLLER_AXIS_LEFTX);
  out[LeftY] = rawAxis(controller, SDL_CONTROLLER_AXIS_LEFTY);
  out[RightX] = rawAxis(controller, SDL_CONTROLLER_AXIS_RIGHTX);
  out[RightY] = rawAxis(controller, SDL_CONTROLLER_AXIS_RIGHTY);
}

bool alreadyOpen(SDL_JoystickID id) {
  return std::any_of(pads.begin(), pads.end(), [id](const OpenPad& p) { return p.id == id; });
}

// Pads plugged in since the last frame (or before start-up) are opened; pads pulled out are
// let go, and what they held is released with them.
void followPlugging() {
  pads.erase(std::remove_if(pads.begin(), pads.end(),
                            [](const OpenPad& p) {
                              if (SDL_GameControllerGetAttached(p.controller)) return false;
                              SDL_GameControllerClose(p.controller);
                              return true;
                            }),
             pads.end());
  for (int i = 0; i < SDL_NumJoysticks(); ++i) {
    if (!SDL_IsGameController(i) || alreadyOpen(SDL_JoystickGetDeviceInstanceID(i))) continue;
    SDL_GameController* const controller = SDL_GameControllerOpen(i);
    if (controller == nullptr) continue;
    OpenPad pad{controller, SDL_JoystickGetDeviceInstanceID(i), {}, false, {false, false}};
    readSticks(controller, pad.rest);
    pads.push_back(pad);
  }
}

// Every pad's controls together: a control counts as pressed on any pad, a stick axis takes
// the value furthest from the centre among the sticks that count. Until the player touches
// a pad (a control pressed, or a stick moved far from where it stood when the pad was
// opened) its sticks count for nothing: a worn stick drifting off the centre turns nothing.
PadReading readPads() {
  PadReading now;
  for (OpenPad& pad : pads) {
    bool anyPressed = false;
    for (int b = 0; b <= static_cast<int>(PadControl::DpadRight); ++b) {
      const bool down =
          SDL_GameControllerGetButton(pad.controller, static_cast<SDL_GameControllerButton>(b)) != 0;
      if (down) now.pressed |= 1u << b;
      anyPressed = anyPressed || down;
    }
    const int triggers[2][2] = {{static_cast<int>(PadControl::LeftTrigger), SDL_CONTROLLER_AXIS_TRIGGERLEFT},
                                {static_cast<int>(PadControl::RightTrigger), SDL_CONTROLLER_AXIS_TRIGGERRIGHT}};
    for (const auto& trigger : triggers) {
      const bool down = axisValue(pad.controller, trigger[1]) > triggerPressed;
      if (down) now.pressed |= 1u << trigger[0];
      anyPressed = anyPressed || down;
    }
    std::int16_t sticks[stickAxisCount];
    readSticks(pad.controller, sticks);
    bool movedFar[2];
    for (int s = 0; s < 2; ++s) {
      movedFar[s] = std::fabs(tilt(sticks[2 * s]) - tilt(pad.rest[2 * s])) > stickTouched ||
                    std::fabs(tilt(sticks[2 * s + 1]) - tilt(pad.rest[2 * s + 1])) > stickTouched;
      anyPressed = anyPressed || movedFar[s];
    }
    pad.touched = pad.touched || anyPressed;
    if (!pad.touched) continue;
    // Once the pad is touched, a stick counts from when it is seen at the centre or moved far:
    // one that drifted off the centre before stays ignored until the player moves it.
    for (int s = 0; s < 2; ++s) {
      const bool centred = std::fabs(tilt(sticks[2 * s])) <= padOptions.deadZone &&
                           std::fabs(tilt(sticks[2 * s + 1])) <= padOptions.deadZone;
      pad.live[s] = pad.live[s] || centred || movedFar[s];
      if (!pad.live[s]) continue;
      for (int a = 2 * s; a < 2 * s + 2; ++a) {
        if (std::abs(sticks[a]) > std::abs(now.stick[a])) now.stick[a] = sticks[a];
      }
    }
  }
  return now;
}

// The stick that walks and the stick that looks, after the swap option.
float walkX(const PadReading& r) { return tilt(r.stick[padOptions.swapSticks ? RightX : LeftX]); }
float walkY(const PadReading& r) { return tilt(r.stick[padOptions.swapSticks ? RightY : LeftY]); }
float lookX(const PadReading& r) { return tilt(r.stick[padOptions.swapSticks ? LeftX : RightX]); }
float lookY(const PadReading& r) { return tilt(r.stick[padOptions.swapSticks ? LeftY : RightY]); }

int stickDirection(float value) {
  const float response = stickResponse(value, padOptions.deadZone);
  return response > stickMoves ? 1 : (response < -stickMoves ? -1 : 0);
}

// One control pressed now: what it does depends on the screen, as a key's does.
void pressControl(PadControl control) {
  const auto boundTo = [control](PadAction action) { return padControlFor(action) == control; };
  // The pages of rows (the pause menu, the options): moved and chosen as the menu is.
  if (pageShown()) {
    // A page waiting for a button to bind takes this one, whatever it is.
    MenuPage* page = shownPage();
    if (page != nullptr && page->waitingForKey()) {
      page->takeKey(padControlKeyBase + static_cast<int>(control));
      return;
    }
    if (boundTo(PadAction::Pause)) pressOnPage(PageKey::Resume);
    if (boundTo(PadAction::Choose)) pressOnPage(PageKey::Choose);
    if (boundTo(PadAction::GoBack)) pressOnPage(PageKey::Back);
    if (boundTo(PadAction::MenuUp)) pressOnPage(PageKey::Up);
    if (boundTo(PadAction::MenuDown)) pressOnPage(PageKey::Down);
    if (control == PadControl::DpadLeft) pressOnPage(PageKey::Left);
    if (control == PadControl::DpadRight) pressOnPage(PageKey::Right);
    return;
  }
  // On the end screens and the help page from play any control goes on, as any key does.
  if (leaveWaitingScreen()) return;
  if (menuActive()) {
    if (boundTo(PadAction::Choose)) {
      chooseMenuEntry();
    } else if (boundTo(PadAction::GoBack) && currentScreen != GameScreen::Menu) {
      chooseMenuEntry();  // from a page back to the menu; the menu itself is never left by it
    }
    if (boundTo(PadAction::MenuUp)) moveMenuSelection(-1);
    if (boundTo(PadAction::MenuDown)) moveMenuSelection(1);
    return;
  }
  if (currentScreen != GameScreen::Playing) return;
  if (boundTo(PadAction::Fire)) firePlayerShot();
  if (boundTo(PadAction::Take)) takeWithinReach();
  if (boundTo(PadAction::EmptyBag)) emptyBag();
  if (boundTo(PadAction::Leave)) leaveMuseum();
  if (boundTo(PadAction::SwitchPace) && camera != nullptr) {
    camera->walkPace = camera->walkPace == 2 ? 4 : 2;
  }
  if (boundTo(PadAction::Help)) showHelpFromPlay();
  if (boundTo(PadAction::Pause) && togglePause()) releaseHeldDirections();
}

// The walking stick moves the menu selection once each time it is pushed up or down.
void moveMenuByStick(const PadReading& now) {
  const int pushed = menuActive() || pageShown() ? stickDirection(walkY(now)) : 0;
  if (pushed != 0 && pushed != previousMenuStick) {
    if (pageShown()) {
      pressOnPage(pushed < 0 ? PageKey::Up : PageKey::Down);
    } else if (menuActive()) {
      moveMenuSelection(pushed);
    }
  }
  previousMenuStick = pushed;
}

// In play the walking stick holds walking directions as the keys do (the keys' pace); the
// footsteps start and stop with it unless a key walks.
void walkByStick(const PadReading& now) {
  std::int32_t forward = 0, sideways = 0;
  if (currentScreen == GameScreen::Playing) {
    forward = -stickDirection(walkY(now));
    sideways = stickDirection(walkX(now));
  }
  const bool keysWalk = forwardDirection != 0 || strafeDirection != 0;
  const bool padWalked = padForward != 0 || padStrafe != 0;
  if (!keysWalk && forward == 1 && padForward != 1) playCue(Cue::Footsteps);
  if (!keysWalk && padWalked && forward == 0 && sideways == 0 && cuePlaying(Cue::Footsteps)) {
    stopCue(Cue::Footsteps);
  }
  padForward = forward;
  padStrafe = sideways;
}

// In play the looking stick turns the view at the player's speed for the game time since the
// last reading (none passes while paused).
void lookByStick(const PadReading& now, float seconds) {
  if (currentScreen != GameScreen::Playing || camera == nullptr || seconds <= 0.0f) return;
  const float radians = padOptions.turnSpeed * radiansPerDegree * std::min(seconds, longestTurnSeconds);
  const float yaw = -stickResponse(lookX(now), padOptions.deadZone) * radians;
  const float pitch = -stickResponse(lookY(now), padOptions.deadZone) * radians *
                      (padOptions.inverted ? -1.0f : 1.0f);
  if (yaw != 0.0f || pitch != 0.0f) camera->lookBy(yaw, pitch);
}

// One frame's reading acted on, read from the pads or from a recorded heist alike: what was
// pressed since the last frame, then the sticks for the game time since the last reading.
void actOnReading(const PadReading& now) {
  const std::uint32_t nowMs = platform::clockMs();
  const float seconds = readBefore ? static_cast<float>(nowMs - lastReadMs) * 0.001f : 0.0f;
  lastReadMs = nowMs;
  readBefore = true;
  // A press that starts play (or goes back to it) is the frame's last: the others of the same
  // frame were meant for the screen it left, and a recorded heist begins after it.
  const bool wasInPlay = inPlay();
  for (int c = 0; c < padControlCount; ++c) {
    if (!pressedIn(now, c) || pressedIn(previous, c)) continue;
    pressControl(static_cast<PadControl>(c));
    if (!wasInPlay && inPlay()) break;
  }
  moveMenuByStick(now);
  walkByStick(now);
  lookByStick(now, seconds);
  previous = now;
}

void recordedReading(ReplayPadState& reading) {
  reading = latest;
}

}  // namespace

float stickResponse(float value, float deadZone) {
  const float zone = std::max(0.0f, std::min(0.5f, deadZone));
  const float tilt = std::min(1.0f, std::fabs(value));
  if (tilt <= zone) return 0.0f;
  const float beyond = (tilt - zone) / (1.0f - zone);
  return std::copysign(beyond * beyond, value);
}

bool startGamepads() {
  if (started) return true;
  // SDL would otherwise take SIGINT and SIGTERM for a quit event the game never reads.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
    std::fprintf(stderr, "Warning: game pads cannot be used (%s); the keyboard and mouse still play.\n",
                 SDL_GetError());
    return false;
  }
  // Read once a frame by readGamepads: nothing reads SDL's event queue, so nothing goes in it.
  SDL_GameControllerEventState(SDL_IGNORE);
  SDL_JoystickEventState(SDL_IGNORE);
  started = true;
  previous = latest = PadReading();
  previousMenuStick = 0;
  readBefore = false;
  return true;
}

void readGamepads() {
  if (!started) return;
  SDL_GameControllerUpdate();
  followPlugging();
  const PadReading now = readPads();
  recordPadReading(now);
  latest = now;
  actOnReading(now);
}

void recordGamepads() {
  readPadReading = recordedReading;
}

void resumeRecordedGamepads(const ReplayPadState& atStart, std::uint32_t lastReadingMs) {
  previous = latest = atStart;
  previousMenuStick = 0;
  lastReadMs = lastReadingMs;
  readBefore = true;
}

void replayGamepads(const ReplayPadState& reading) {
  actOnReading(reading);
}

void stopGamepads() {
  if (!started) return;
  for (OpenPad& pad : pads) SDL_GameControllerClose(pad.controller);
  pads.clear();
  padForward = 0;
  padStrafe = 0;
  SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
  started = false;
}

int openGamepadCount() {
  return static_cast<int>(pads.size());
}

std::int32_t walkingForward() {
  return forwardDirection != 0 ? forwardDirection : padForward;
}

std::int32_t walkingSideways() {
  return strafeDirection != 0 ? strafeDirection : padStrafe;
}
