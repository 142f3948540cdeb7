// The replay timeline: input events with their virtual times, read from a text file.
// Format (one event a line, '#' starts a comment, times in milliseconds, may have a fraction):
//   <ms> key-down <key>          a character (w), a name (enter esc space tab backspace) or a code
//   <ms> key-up <key>
//   <ms> special-down <key>      f1..f12 left up right down pageup pagedown home end insert, or a code
//   <ms> special-up <key>
//   <ms> motion <x> <y>          pointer moved with no button held
//   <ms> drag <x> <y>            pointer moved with a button held
//   <ms> button <left|middle|right> <down|up> <x> <y>
//   <ms> focus-out               the window loses the keyboard
//   <ms> resize <w> <h>          the reshape callback with a new window size, as the desktop
//                                calls it after a resize or a switch of full screen (the
//                                driver's own window keeps its size)
//   <ms> pad-attach              a game pad is plugged in (SDL's virtual one), all at rest
//   <ms> pad-detach              and pulled out again
//   <ms> pad-button <name> <down|up>   SDL's names: a b x y back start leftshoulder dpup...
//   <ms> pad-axis <name> <value>       leftx lefty rightx righty (-1..1, y down positive),
//                                      lefttrigger righttrigger (0..1)
//   <ms> rules <classic|stealth>         the rules, difficulty and meter the next new game
//   <ms> difficulty <easy|normal|hard>   takes up, as the options page sets them
//   <ms> visibility-meter <yes|no>
//   <ms> place <x> <z> <lx> <ly> <lz>    the player's eye put at (x, z) on its height, looking
//                                        at the point (lx, ly, lz); the room is the plan's
//   <ms> screenshot <file.png>
//   <ms> report <label>          the game's state now, each line as "<label>.<line>"
//   <ms> step <ms>               frames from now on this far apart (a whole number, 1 or more)
//   <ms> end
#pragma once

#include <string>
#include <vector>

struct TimelineEvent {
  enum Kind {
    KeyDown, KeyUp, SpecialDown, SpecialUp, Motion, Drag, Button, FocusOut, Resize, PadAttach,
    PadDetach,
    PadButton, PadAxis, Screenshot, Report, Step, Rules, Difficulty, Meter, Place, End
  };
  double timeMs = 0.0;
  Kind kind = End;
  int code = 0;      // key, special key, button, pad button or pad axis code; a step's ms;
                     // the rules, difficulty or meter chosen (game/Rules.h's enums, 1 for yes)
  int state = 0;     // button: 0 down, 1 up (GLUT's values); pad button: 1 down, 0 up
  double value = 0;  // pad axis: -1..1
  int x = 0, y = 0;  // pointer position; resize: the window's width and height
  std::string path;  // screenshot file, or the report's label
  double place[5] = {0, 0, 0, 0, 0};  // place: x, z, then the point looked at
};

// Reads a timeline; events come out sorted by time, file order kept for equal times.
// On failure returns false with a message naming the file and line.
bool readTimeline(const std::string& fileName, std::vector<TimelineEvent>& events,
                  std::string& error);
