// A recorded heist (.vrr): its header, its compact stream of frames and input events, and the
// file's bytes both ways. No GL, no game state: the recorder fills one, the watch reads one.
//
// The file: a text header of fixed lines in a fixed order, an empty line, then the body.
//   vaultrun-replay 3                  the file's own version; any other is refused
//   game 1.0.0                         the version of the game that recorded it
//   rules classic                      the rules (classic or stealth), then the difficulty
//   difficulty normal                  (easy, normal or hard) the heist was played by
//   mouse-sensitivity 1.5              the options that change what happens (shortest float)
//   invert-mouse no
//   field-of-view 45
//   pad-turn-speed 180                 the pad's options, as the settings lines name them
//   invert-pad no
//   pad-dead-zone 0.15
//   swap-pad-sticks no
//   keys 119 357 115 359 ... -1        the key table: two keys an action (a character, 256 +
//                                      a special key, -1 none), 20 numbers
//   pad-keys 16 0 2 3 9 4 6            the pad's control of each action of play, 7 numbers
//   window 1024x768                    the window at the new game (mouse look measures from
//                                      its centre; window records follow its changes)
//   date 2026-12-07T21:04              local time of the end
//   outcome escaped                    escaped, caught, left (for the menu or a new game) or
//                                      quit (the window closed or a termination signal: the
//                                      body stops where the game did)
//   score 55
//   record kept                        the score record then: none (unreadable), read, kept
//   best 420 2026-12-07T21:04          the best so far then, or "best none"
//   new-best no
//   clock 12345 12329                  the game clock (ms) at the new game, and at the frame
//                                      before it (the first frame's interval counts from there)
//   held 0 0                           walking directions held at the new game
//   pad 0 0 0 0 0                      the pads' reading at the new game: the controls held
//                                      (one bit each) and the four stick axes (-32767..32767)
//   digest 0123456789abcdef            the state digest when the heist ended
//   body 3600 4100 9000                frames, records and bytes of the body
//   check 0123456789abcdef             FNV-1a 64 of every byte above this line and the body
//   (empty line)
// The body is records, each one tag byte: the kind in the low four bits, the game clock's
// advance since the record before in the high four (15: a varint with the advance follows).
// Then the kind's values: key-down/key-up one byte; special-down/special-up a varint;
// button its button and state bytes and the pointer; motion and drag the pointer. A pointer
// is two zigzag varints, each the change from the last pointer of any record. pad (the
// pads' reading changed, taken before the frame's rules of the frame record that follows) the
// controls held as a varint, then four zigzag varints, each axis's change from the last pad
// record (from 0 for the first). window (the window took a new size: a reshape during the
// heist) its width and height as two varints, 1..16384 each. The first record is the new
// game, the last the end, which closes the body.
// Every value is range checked, and a file is taken only when it is exactly what
// formatReplayFile would have written for what was read.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

constexpr int replayFileVersion = 3;
// A ten-minute heist is some hundreds of kilobytes; a file past this is no heist of ours.
constexpr std::size_t replayFileMaxBytes = 32u * 1024u * 1024u;

enum class ReplayRecordKind : std::uint8_t {
  Frame = 0,        // a frame's rules ran at this reading
  NewGame = 1,      // Enter chose Start: the heist begins
  KeyDown = 2,
  KeyUp = 3,
  SpecialDown = 4,
  SpecialUp = 5,
  Button = 6,
  Motion = 7,       // pointer moved, no button held
  Drag = 8,         // pointer moved with a button held
  FocusLost = 9,    // the window lost the keyboard
  End = 10,         // the heist ended: nothing follows
  Pad = 11,         // the pads read otherwise than in the last pad record
  Window = 12,      // the window's size changed (resized, full screen on or off)
};
constexpr int replayWindowLimit = 16384;  // a window side in pixels, 1 up to this

// The pads as a frame read them: the controls held, one bit each (at most replayPadControls),
// and the sticks' axes in SDL's units (left x, left y, right x, right y; -32767..32767, y
// down), 0 for a stick that does not count yet.
constexpr int replayPadControls = 24;
constexpr int replayPadAxisLimit = 32767;
// The key table and the pad's controls of play, as the header keeps them.
constexpr int replayKeySlots = 20;
constexpr int replayKeyLimit = 511;
constexpr int replayPadPlayActions = 7;
struct ReplayPadState {
  std::uint32_t pressed = 0;
  std::int16_t stick[4] = {0, 0, 0, 0};
  bool operator==(const ReplayPadState& o) const {
    return pressed == o.pressed && stick[0] == o.stick[0] && stick[1] == o.stick[1] &&
           stick[2] == o.stick[2] && stick[3] == o.stick[3];
  }
  bool operator!=(const ReplayPadState& o) const { return !(*this == o); }
};

// One record, unpacked (the watch reads them one at a time; the file holds them packed).
struct ReplayRecord {
  ReplayRecordKind kind = ReplayRecordKind::End;
  std::uint32_t clockMs = 0;  // the game clock's reading when it reached the game
  int code = 0;               // key, special key or button
  int state = 0;              // button: GLUT_DOWN or GLUT_UP
  int x = 0, y = 0;           // pointer; window: its width and height
  ReplayPadState pad;         // pad
};

// The player's options that change what happens in a heist, as a recording keeps them.
struct ReplayOptions {
  float mouseSensitivity = 1.0f;
  bool invertMouse = false;
  float fieldOfView = 45.0f;
  float padTurnSpeed = 180.0f;
  bool invertPad = false;
  float padDeadZone = 0.15f;
  bool swapPadSticks = false;
  std::array<std::int16_t, replayKeySlots> keys{};       // -1..replayKeyLimit each
  std::array<std::uint8_t, replayPadPlayActions> padKeys{};  // 0..replayPadControls-1 each
};

struct ReplayHeader : ReplayOptions {
  std::string gameVersion;           // "1.0.0"
  std::string rules = "classic";     // a word of game/Rules.h
  std::string difficulty = "normal";
  int windowWidth = 1024, windowHeight = 768;
  std::string date;                  // "YYYY-MM-DDTHH:MM"
  std::string outcome;               // "escaped", "caught", "left" or "quit"
  std::int32_t score = 0;
  std::string record = "none";       // "none", "read" or "kept"
  bool hasBest = false;
  std::int32_t bestScore = 0;
  std::string bestDate;
  bool newBest = false;
  std::uint32_t startClockMs = 0;    // at the new game
  std::uint32_t previousFrameMs = 0; // the frame before it
  std::int32_t heldForward = 0, heldSideways = 0;
  ReplayPadState padAtStart;
  std::uint64_t digest = 0;
};

struct ReplayFile {
  ReplayHeader header;
  std::vector<std::uint8_t> body;  // packed records, as in the file
  std::uint32_t frames = 0;
  std::uint32_t records = 0;
};

// Packs records into a body, remembering what the next record is measured from. Appending
// never allocates while the body's capacity holds out.
class ReplayBodyWriter {
 public:
  explicit ReplayBodyWriter(std::vector<std::uint8_t>& body) : body_(body) {}
  void start(std::uint32_t clockMs);
  void append(const ReplayRecord& record);

 private:
  void varint(std::uint32_t value);
  void pointer(int x, int y);
  void pad(const ReplayPadState& state);
  std::vector<std::uint8_t>& body_;
  std::uint32_t lastClockMs_ = 0;
  int lastX_ = 0, lastY_ = 0;
  ReplayPadState lastPad_;
};

// Unpacks a body that parseReplayFile took, one record at a time.
class ReplayBodyReader {
 public:
  explicit ReplayBodyReader(const ReplayFile& file);
  // The next record; false after the end record, or on a damaged body (`problem` then says
  // where).
  bool next(ReplayRecord& record, std::string& problem);
  bool ended() const { return ended_; }

 private:
  bool byte(std::uint8_t& value);
  bool varint(std::uint32_t& value);
  bool pointer(int& x, int& y);
  bool pad(ReplayPadState& state);
  bool windowSize(int& width, int& height);
  const std::vector<std::uint8_t>& body_;
  std::size_t at_ = 0;
  std::uint32_t clockMs_ = 0;
  int lastX_ = 0, lastY_ = 0;
  ReplayPadState lastPad_;
  bool ended_ = false;
};

// The file's bytes for a recording.
std::string formatReplayFile(const ReplayFile& file);
// Reads a file's bytes; false with `problem` saying what is wrong when they are not a heist
// this game recorded (another file version, damaged, cut short, or no replay at all).
bool parseReplayFile(const std::string& bytes, ReplayFile& out, std::string& problem);
