// Running the replay driver on a timeline and reading its end-of-run statement, and the
// timelines themselves, written as the player acts.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "support/Process.h"

namespace testsupport {

struct ReplayResult {
  int exitStatus = -1;
  std::string output;                                   // everything it printed
  std::map<std::string, std::vector<double>> numbers;   // "name v1 v2 ..." lines
  long peakKilobytes = 0;  // the largest resident size of any child of this process so far
};

// Writes the timeline to a temporary file and runs vaultrun-replay on it from the source
// folder (which holds data/), with extra command-line arguments.
ReplayResult runReplay(const std::string& timeline, const std::string& arguments = "");

// runReplay with the recorded heists going to dataHome (XDG_DATA_HOME for the driver).
ReplayResult runReplayRecording(const std::string& timeline, const std::string& dataHome,
                                const std::string& arguments = "");

// The real game watching the recorded heist `file` until it prints its end, then ended by a
// termination signal (the watch waits for Esc), with its data home in dataHome (which stays
// empty unless it writes). Its output is in out.
CommandRun watchRecording(const std::string& file, const std::string& dataHome,
                          const std::string& extra = "");

// The text after "name " on its line of the statement, or "" when there is none.
std::string reportLine(const ReplayResult& r, const std::string& name);

// Value i of a "name v1 v2 ..." line, or NaN.
double reportNumber(const ReplayResult& r, const std::string& name, std::size_t i = 0);

// One frame every 80 ms of virtual time (the guards' animations step every 160 ms, as at
// 25 frames a second); every event of a Script falls on a frame.
constexpr int scriptFrameMs = 80;

// Pointer pixels for a quarter turn: 1/500 radian a pixel.
constexpr int quarterTurn = 785;

// A timeline written as the player acts, each action starting where the last one ended.
// It begins in the menu as the game starts, with "Start" selected.
class Script {
 public:
  // Enter in the menu: a new game at the entrance, looking along -x.
  static Script newGame() { return Script().key("enter"); }

  Script& wait(int ms);
  // Walks forward for ms (a multiple of the frame): 20 units a second.
  Script& walk(int ms);
  // Turns about the vertical; positive pixels turn right, as a mouse moved right does. A long
  // turn comes as several moves in one frame, as from a real mouse: one event turns the view
  // by at most a quarter screen width.
  Script& turn(int pixels);
  Script& look(int dx, int dy);
  // The window takes a new size; the turns from then on measure from its centre.
  Script& resize(int width, int height);
  Script& turnLeft() { return turn(-quarterTurn); }
  Script& turnRight() { return turn(quarterTurn); }
  Script& turnAround() { return turn(quarterTurn).turn(quarterTurn); }
  Script& key(const std::string& name);
  // Holds a key down for ms (a multiple of the frame): 'd' steps right, 'a' left.
  Script& hold(const std::string& name, int ms) { return press("key-down " + name, "key-up " + name, ms); }
  // The same in two halves, for what happens while the key is held (a screenshot).
  Script& keyDown(const std::string& name) {
    add("key-down " + name);
    return *this;
  }
  Script& keyUp(const std::string& name) {
    add("key-up " + name);
    now += scriptFrameMs;
    return *this;
  }
  Script& click();
  // The rules and difficulty the next new game takes up, as the options set them.
  Script& choose(const std::string& rules, const std::string& difficulty);
  // The player's eye put at (x, z), looking at the point (lx, ly, lz): a scenario starts where
  // it needs him.
  Script& place(float x, float z, float lx, float ly, float lz);
  // A screenshot to shotPath(name), unless screenshots are off.
  Script& screenshot(const std::string& name);
  // The game's state now, each line as "<label>.<line>".
  Script& report(const std::string& label) {
    add("report " + label);
    now += scriptFrameMs;
    return *this;
  }
  Script& withoutScreenshots() {
    shots = false;
    return *this;
  }
  // The timeline, ended ms after the last action.
  std::string end(int ms = scriptFrameMs) const;
  int time() const { return now; }

  // <build>/scenario-shots/<test>-<name>.png: tests running side by side never share a file.
  static std::string shotPath(const std::string& name);

 private:
  void add(const std::string& event);
  // Two events ms apart, then a frame.
  Script& press(const std::string& down, const std::string& up, int ms);
  std::string text;
  int now = 0;
  int centreX = 512, centreY = 384;  // the window's centre, where the game puts the pointer
  bool shots = true;
};

// The heist from the menu, in three stages that the scenarios check one by one.
// A new game, then from the entrance (419, 1, 15) 20.8 units along -x to x 398.2, round to +z
// (the start view points 0.0334 rad left of -x) and 48 units on, through the doorway x 381..410
// into room 2 at (398.2, 62.3).
Script& heistIntoRoomTwo(Script& s);
// On to x 419, by picture 3 of room 2 (on the hall wall at x 437), and take it: 20 points, 15
// of space.
Script& heistTakePicture(Script& s);
// On to the teapot on pedestal 1 (455, -1.3, 115), take it (35 points, 25 of space), back
// through the doorway to the drop zone, empty the bag, and leave at the exit: the verdict.
Script& heistTakeTeapotAndLeave(Script& s);

}  // namespace testsupport
