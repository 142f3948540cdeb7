// The replay timeline: input events with their virtual times, read from a text file.
// Format (one event a line, '#' starts a comment, times in milliseconds, may have a fraction):
//   <ms> key-down <key>          a character (w), a name (enter esc space tab backspace) or a code
//   <ms> key-up <key>
//   <ms> special-down <key>      f1..f12 left up right down pageup pagedown home end insert, or a code
//   <ms> special-up <key>
//   <ms> motion <x> <y>          pointer moved with no button held
//   <ms> drag <x> <y>            pointer moved with a button held
//   <ms> button <left|middle|right> <down|up> <x> <y>
//   <ms> screenshot <file.png>
//   <ms> end
#pragma once

#include <string>
#include <vector>

struct TimelineEvent {
  enum Kind { KeyDown, KeyUp, SpecialDown, SpecialUp, Motion, Drag, Button, Screenshot, End };
  double timeMs = 0.0;
  Kind kind = End;
  int code = 0;      // key, special key or button code
  int state = 0;     // button: 0 down, 1 up (GLUT's values)
  int x = 0, y = 0;  // pointer position
  std::string path;  // screenshot file
};

// Reads a timeline; events come out sorted by time, file order kept for equal times.
// On failure returns false with a message naming the file and line.
bool readTimeline(const std::string& fileName, std::vector<TimelineEvent>& events,
                  std::string& error);
