// A recorded heist's file: the header's lines, the packed records, and the strict reading
// back of both.
#include "game/ReplayFile.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "game/Rules.h"

namespace {

const char* const magicLine = "vaultrun-replay ";
constexpr std::uint8_t kindCount = 13;
constexpr std::uint8_t longAdvance = 15;  // the tag's high nibble when a varint follows
// A pointer further off than this from the window is not one the desktop delivered.
constexpr int pointerLimit = 1 << 20;

std::uint64_t fnv1a(std::uint64_t hash, const std::uint8_t* bytes, std::size_t size) {
  for (std::size_t i = 0; i < size; ++i) {
    hash ^= bytes[i];
    hash *= 1099511628211ull;
  }
  return hash;
}
constexpr std::uint64_t fnvStart = 14695981039346656037ull;

std::uint32_t zigzag(int value) {
  return (static_cast<std::uint32_t>(value) << 1) ^ static_cast<std::uint32_t>(value >> 31);
}
int unzigzag(std::uint32_t value) {
  return static_cast<int>((value >> 1) ^ (~(value & 1u) + 1u));
}

// The shortest plain decimal that reads back as the same float ("180", not "1.8e+02"); a
// value too small for that (a dead zone of 1e-9) keeps nine significant digits.
std::string floatText(float value) {
  char text[64];
  for (int decimals = 0; decimals <= 12; ++decimals) {
    std::snprintf(text, sizeof text, "%.*f", decimals, static_cast<double>(value));
    if (std::strtof(text, nullptr) == value) return text;
  }
  std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value));
  return text;
}

std::string hex64(std::uint64_t value) {
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
  return text;
}

bool isPacked(ReplayRecordKind kind) {
  return kind == ReplayRecordKind::Button || kind == ReplayRecordKind::Motion ||
         kind == ReplayRecordKind::Drag;
}

// ---- Reading the header: one line at a time, each "name value..." ----

class HeaderLines {
 public:
  explicit HeaderLines(const std::string& bytes) : bytes_(bytes) {}
  // The next line's text after "name ", or false when the next line is not that one.
  bool field(const char* name, std::string& value) {
    const std::size_t end = bytes_.find('\n', at_);
    if (end == std::string::npos) return false;
    const std::string line = bytes_.substr(at_, end - at_);
    const std::size_t length = std::strlen(name);
    if (line.compare(0, length, name) != 0 || line.size() <= length || line[length] != ' ') {
      return false;
    }
    value = line.substr(length + 1);
    at_ = end + 1;
    return true;
  }
  std::size_t at() const { return at_; }

 private:
  const std::string& bytes_;
  std::size_t at_ = 0;
};

bool readUnsigned(const std::string& text, std::uint64_t maximum, std::uint64_t& value) {
  if (text.empty() || text.size() > 20) return false;
  std::uint64_t v = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    const std::uint64_t digit = static_cast<std::uint64_t>(c - '0');
    if (v > (maximum - digit) / 10) return false;
    v = v * 10 + digit;
  }
  value = v;
  return true;
}

bool readUint32(const std::string& text, std::uint32_t& value) {
  std::uint64_t v = 0;
  if (!readUnsigned(text, 0xffffffffull, v)) return false;
  value = static_cast<std::uint32_t>(v);
  return true;
}

bool readScore(const std::string& text, std::int32_t& value) {
  std::uint64_t v = 0;
  if (!readUnsigned(text, 32767, v)) return false;
  value = static_cast<std::int32_t>(v);
  return true;
}

bool readFloat(const std::string& text, float minimum, float maximum, float& value) {
  if (text.empty() || text.size() > 16) return false;
  char* end = nullptr;
  const float v = std::strtof(text.c_str(), &end);
  if (end != text.c_str() + text.size() || !(v >= minimum && v <= maximum)) return false;
  value = v;
  return true;
}

bool readYesNo(const std::string& text, bool& value) {
  if (text != "yes" && text != "no") return false;
  value = text == "yes";
  return true;
}

bool readHex64(const std::string& text, std::uint64_t& value) {
  if (text.size() != 16) return false;
  value = 0;
  for (char c : text) {
    const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
    if (digit < 0) return false;
    value = value << 4 | static_cast<std::uint64_t>(digit);
  }
  return true;
}

// Two words split at the one blank.
bool splitPair(const std::string& text, char separator, std::string& a, std::string& b) {
  const std::size_t at = text.find(separator);
  if (at == std::string::npos) return false;
  a = text.substr(0, at);
  b = text.substr(at + 1);
  return true;
}

bool readDirection(const std::string& text, std::int32_t& value) {
  if (text == "0") value = 0;
  else if (text == "1") value = 1;
  else if (text == "-1") value = -1;
  else return false;
  return true;
}

// "PRESSED LX LY RX RY", as formatReplayFile writes a pad reading.
bool readPad(const std::string& text, ReplayPadState& pad) {
  std::string rest = text, word;
  std::uint32_t pressed = 0;
  if (!splitPair(rest, ' ', word, rest) || !readUint32(word, pressed) ||
      pressed >= (1u << replayPadControls)) {
    return false;
  }
  pad.pressed = pressed;
  for (int a = 0; a < 4; ++a) {
    const bool last = a == 3;
    if (last) {
      word = rest;
    } else if (!splitPair(std::string(rest), ' ', word, rest)) {
      return false;
    }
    const bool negative = !word.empty() && word[0] == '-';
    std::uint64_t magnitude = 0;
    if (!readUnsigned(negative ? word.substr(1) : word, replayPadAxisLimit, magnitude) ||
        (negative && magnitude == 0)) {
      return false;
    }
    pad.stick[a] = static_cast<std::int16_t>(negative ? -static_cast<int>(magnitude) : static_cast<int>(magnitude));
  }
  return true;
}

// Numbers split by single blanks, exactly `count` of them, each from low to high.
template <typename T, std::size_t N>
bool readNumbers(const std::string& text, int low, int high, std::array<T, N>& out) {
  std::string rest = text, word;
  for (std::size_t i = 0; i < N; ++i) {
    if (i + 1 == N) {
      word = rest;
    } else if (!splitPair(std::string(rest), ' ', word, rest)) {
      return false;
    }
    const bool negative = !word.empty() && word[0] == '-';
    std::uint64_t magnitude = 0;
    if (!readUnsigned(negative ? word.substr(1) : word, 999999, magnitude) ||
        (negative && magnitude == 0)) {
      return false;
    }
    const long value = negative ? -static_cast<long>(magnitude) : static_cast<long>(magnitude);
    if (value < low || value > high) return false;
    out[i] = static_cast<T>(value);
  }
  return true;
}

template <typename T, std::size_t N>
std::string numbersText(const std::array<T, N>& values) {
  std::string text;
  for (std::size_t i = 0; i < N; ++i) {
    text += (i == 0 ? "" : " ") + std::to_string(static_cast<long>(values[i]));
  }
  return text;
}

std::string padText(const ReplayPadState& pad) {
  std::string text = std::to_string(pad.pressed);
  for (std::int16_t axis : pad.stick) text += " " + std::to_string(axis);
  return text;
}

bool readWindow(const std::string& text, ReplayHeader& h) {
  std::string w, hh;
  std::uint32_t width = 0, height = 0;
  if (!splitPair(text, 'x', w, hh) || !readUint32(w, width) || !readUint32(hh, height)) return false;
  if (width < 1 || height < 1 || width > replayWindowLimit || height > replayWindowLimit) {
    return false;
  }
  h.windowWidth = static_cast<int>(width);
  h.windowHeight = static_cast<int>(height);
  return true;
}

bool readBest(const std::string& text, ReplayHeader& h) {
  h.hasBest = text != "none";
  if (!h.hasBest) return true;
  std::string score;
  return splitPair(text, ' ', score, h.bestDate) && readScore(score, h.bestScore) &&
         h.bestDate.size() == 16;
}

// Every line of the header in order; `problem` names the first line that is wrong.
bool readHeaderLines(HeaderLines& lines, ReplayFile& out, std::string& problem) {
  ReplayHeader& h = out.header;
  std::string v, a, b;
  const auto wrong = [&problem](const char* line) {
    problem = std::string("the ") + line + " line is missing or wrong";
    return false;
  };
  if (!lines.field("game", h.gameVersion) || h.gameVersion.empty() || h.gameVersion.size() > 32) {
    return wrong("game");
  }
  Rules rules;
  Difficulty difficulty;
  if (!lines.field("rules", h.rules) || !readRulesWord(h.rules, rules)) return wrong("rules");
  if (!lines.field("difficulty", h.difficulty) || !readDifficultyWord(h.difficulty, difficulty)) {
    return wrong("difficulty");
  }
  if (!lines.field("mouse-sensitivity", v) || !readFloat(v, 0.1f, 10.0f, h.mouseSensitivity)) {
    return wrong("mouse-sensitivity");
  }
  if (!lines.field("invert-mouse", v) || !readYesNo(v, h.invertMouse)) return wrong("invert-mouse");
  if (!lines.field("field-of-view", v) || !readFloat(v, 30.0f, 90.0f, h.fieldOfView)) {
    return wrong("field-of-view");
  }
  if (!lines.field("pad-turn-speed", v) || !readFloat(v, 30.0f, 720.0f, h.padTurnSpeed)) {
    return wrong("pad-turn-speed");
  }
  if (!lines.field("invert-pad", v) || !readYesNo(v, h.invertPad)) return wrong("invert-pad");
  if (!lines.field("pad-dead-zone", v) || !readFloat(v, 0.0f, 0.5f, h.padDeadZone)) {
    return wrong("pad-dead-zone");
  }
  if (!lines.field("swap-pad-sticks", v) || !readYesNo(v, h.swapPadSticks)) {
    return wrong("swap-pad-sticks");
  }
  if (!lines.field("keys", v) || !readNumbers(v, -1, replayKeyLimit, h.keys)) return wrong("keys");
  if (!lines.field("pad-keys", v) || !readNumbers(v, 0, replayPadControls - 1, h.padKeys)) {
    return wrong("pad-keys");
  }
  if (!lines.field("window", v) || !readWindow(v, h)) return wrong("window");
  if (!lines.field("date", h.date) || h.date.size() != 16) return wrong("date");
  if (!lines.field("outcome", h.outcome) ||
      (h.outcome != "escaped" && h.outcome != "caught" && h.outcome != "left" &&
       h.outcome != "quit")) {
    return wrong("outcome");
  }
  if (!lines.field("score", v) || !readScore(v, h.score)) return wrong("score");
  if (!lines.field("record", h.record) ||
      (h.record != "none" && h.record != "read" && h.record != "kept")) {
    return wrong("record");
  }
  if (!lines.field("best", v) || !readBest(v, h)) return wrong("best");
  if (!lines.field("new-best", v) || !readYesNo(v, h.newBest)) return wrong("new-best");
  if (!lines.field("clock", v) || !splitPair(v, ' ', a, b) || !readUint32(a, h.startClockMs) ||
      !readUint32(b, h.previousFrameMs)) {
    return wrong("clock");
  }
  if (!lines.field("held", v) || !splitPair(v, ' ', a, b) || !readDirection(a, h.heldForward) ||
      !readDirection(b, h.heldSideways)) {
    return wrong("held");
  }
  if (!lines.field("pad", v) || !readPad(v, h.padAtStart)) return wrong("pad");
  if (!lines.field("digest", v) || !readHex64(v, h.digest)) return wrong("digest");
  return true;
}

// Walks the whole body: every record readable, the new game first, the end last and at the
// body's end, and packed again the same bytes.
bool checkBody(const ReplayFile& file, std::string& problem) {
  ReplayBodyReader reader(file);
  std::vector<std::uint8_t> again;
  again.reserve(file.body.size());
  ReplayBodyWriter writer(again);
  writer.start(file.header.startClockMs);
  ReplayRecord record;
  std::uint32_t frames = 0, records = 0;
  while (reader.next(record, problem)) {
    if (records == 0 && record.kind != ReplayRecordKind::NewGame) {
      problem = "the recording does not begin with a new game";
      return false;
    }
    if (record.kind == ReplayRecordKind::Frame) ++frames;
    ++records;
    writer.append(record);
  }
  if (!reader.ended()) return false;
  writer.append(record);
  ++records;
  if (frames != file.frames || records != file.records) {
    problem = "the body holds other counts than its header says";
    return false;
  }
  if (again != file.body) {
    problem = "the body is not as the game writes it";
    return false;
  }
  return true;
}

}  // namespace

// ---- Packing ----

void ReplayBodyWriter::start(std::uint32_t clockMs) {
  lastClockMs_ = clockMs;
  lastX_ = lastY_ = 0;
  lastPad_ = ReplayPadState();
}

void ReplayBodyWriter::varint(std::uint32_t value) {
  while (value >= 0x80u) {
    body_.push_back(static_cast<std::uint8_t>(value | 0x80u));
    value >>= 7;
  }
  body_.push_back(static_cast<std::uint8_t>(value));
}

void ReplayBodyWriter::pointer(int x, int y) {
  varint(zigzag(x - lastX_));
  varint(zigzag(y - lastY_));
  lastX_ = x;
  lastY_ = y;
}

void ReplayBodyWriter::pad(const ReplayPadState& state) {
  varint(state.pressed);
  for (int a = 0; a < 4; ++a) varint(zigzag(state.stick[a] - lastPad_.stick[a]));
  lastPad_ = state;
}

void ReplayBodyWriter::append(const ReplayRecord& r) {
  const std::uint32_t advance = r.clockMs - lastClockMs_;
  lastClockMs_ = r.clockMs;
  const std::uint8_t kind = static_cast<std::uint8_t>(r.kind);
  if (advance < longAdvance) {
    body_.push_back(static_cast<std::uint8_t>(advance << 4 | kind));
  } else {
    body_.push_back(static_cast<std::uint8_t>(longAdvance << 4 | kind));
    varint(advance);
  }
  switch (r.kind) {
    case ReplayRecordKind::KeyDown:
    case ReplayRecordKind::KeyUp: body_.push_back(static_cast<std::uint8_t>(r.code)); break;
    case ReplayRecordKind::SpecialDown:
    case ReplayRecordKind::SpecialUp: varint(static_cast<std::uint32_t>(r.code)); break;
    case ReplayRecordKind::Button:
      body_.push_back(static_cast<std::uint8_t>(r.code));
      body_.push_back(static_cast<std::uint8_t>(r.state));
      pointer(r.x, r.y);
      break;
    case ReplayRecordKind::Motion:
    case ReplayRecordKind::Drag: pointer(r.x, r.y); break;
    case ReplayRecordKind::Pad: pad(r.pad); break;
    case ReplayRecordKind::Window:
      varint(static_cast<std::uint32_t>(r.x));
      varint(static_cast<std::uint32_t>(r.y));
      break;
    default: break;
  }
}

// ---- Unpacking ----

ReplayBodyReader::ReplayBodyReader(const ReplayFile& file)
    : body_(file.body), clockMs_(file.header.startClockMs) {}

bool ReplayBodyReader::byte(std::uint8_t& value) {
  if (at_ >= body_.size()) return false;
  value = body_[at_++];
  return true;
}

bool ReplayBodyReader::varint(std::uint32_t& value) {
  std::uint64_t v = 0;
  for (int shift = 0; shift < 35; shift += 7) {
    std::uint8_t b = 0;
    if (!byte(b)) return false;
    v |= static_cast<std::uint64_t>(b & 0x7fu) << shift;
    if ((b & 0x80u) == 0) {
      if (v > 0xffffffffull) return false;
      value = static_cast<std::uint32_t>(v);
      return true;
    }
  }
  return false;
}

bool ReplayBodyReader::pointer(int& x, int& y) {
  std::uint32_t dx = 0, dy = 0;
  if (!varint(dx) || !varint(dy)) return false;
  const long long nx = static_cast<long long>(lastX_) + unzigzag(dx);
  const long long ny = static_cast<long long>(lastY_) + unzigzag(dy);
  if (nx < -pointerLimit || nx > pointerLimit || ny < -pointerLimit || ny > pointerLimit) {
    return false;
  }
  x = lastX_ = static_cast<int>(nx);
  y = lastY_ = static_cast<int>(ny);
  return true;
}

bool ReplayBodyReader::pad(ReplayPadState& state) {
  std::uint32_t pressed = 0;
  if (!varint(pressed) || pressed >= (1u << replayPadControls)) return false;
  ReplayPadState next;
  next.pressed = pressed;
  for (int a = 0; a < 4; ++a) {
    std::uint32_t change = 0;
    if (!varint(change)) return false;
    const long long axis = static_cast<long long>(lastPad_.stick[a]) + unzigzag(change);
    if (axis < -replayPadAxisLimit || axis > replayPadAxisLimit) return false;
    next.stick[a] = static_cast<std::int16_t>(axis);
  }
  state = lastPad_ = next;
  return true;
}

bool ReplayBodyReader::windowSize(int& width, int& height) {
  std::uint32_t w = 0, h = 0;
  if (!varint(w) || !varint(h) || w < 1 || h < 1 || w > replayWindowLimit ||
      h > replayWindowLimit) {
    return false;
  }
  width = static_cast<int>(w);
  height = static_cast<int>(h);
  return true;
}

bool ReplayBodyReader::next(ReplayRecord& r, std::string& problem) {
  if (ended_) return false;
  const std::size_t recordStart = at_;
  const auto damaged = [&problem, recordStart](const char* what) {
    problem = std::string(what) + " at body byte " + std::to_string(recordStart);
    return false;
  };
  std::uint8_t tag = 0;
  if (!byte(tag)) return damaged("the recording is cut short");
  const std::uint8_t kind = tag & 0x0fu;
  std::uint32_t advance = tag >> 4;
  if (kind >= kindCount) return damaged("an unknown record");
  if (advance == longAdvance && (!varint(advance) || advance < longAdvance)) {
    return damaged("a damaged clock advance");
  }
  if (advance > 0xffffffffu - clockMs_) return damaged("a clock past its range");
  r = ReplayRecord();
  r.kind = static_cast<ReplayRecordKind>(kind);
  r.clockMs = clockMs_ += advance;
  std::uint8_t b1 = 0, b2 = 0;
  std::uint32_t code = 0;
  switch (r.kind) {
    case ReplayRecordKind::KeyDown:
    case ReplayRecordKind::KeyUp:
      if (!byte(b1)) return damaged("the recording is cut short");
      r.code = b1;
      break;
    case ReplayRecordKind::SpecialDown:
    case ReplayRecordKind::SpecialUp:
      if (!varint(code) || code > 0xffffu) return damaged("a damaged special key");
      r.code = static_cast<int>(code);
      break;
    default: break;
  }
  if (r.kind == ReplayRecordKind::Button) {
    if (!byte(b1) || !byte(b2) || b1 > 2 || b2 > 1) return damaged("a damaged button");
    r.code = b1;
    r.state = b2;
  }
  if (isPacked(r.kind) && !pointer(r.x, r.y)) return damaged("a damaged pointer");
  if (r.kind == ReplayRecordKind::Pad && !pad(r.pad)) return damaged("a damaged pad reading");
  if (r.kind == ReplayRecordKind::Window && !windowSize(r.x, r.y)) {
    return damaged("a damaged window size");
  }
  if (r.kind == ReplayRecordKind::End) {
    if (at_ != body_.size()) return damaged("bytes after the end");
    ended_ = true;
    return false;
  }
  return true;
}

// ---- The file ----

std::string formatReplayFile(const ReplayFile& file) {
  const ReplayHeader& h = file.header;
  std::string text = magicLine + std::to_string(replayFileVersion) + "\n";
  text += "game " + h.gameVersion + "\n";
  text += "rules " + h.rules + "\n";
  text += "difficulty " + h.difficulty + "\n";
  text += "mouse-sensitivity " + floatText(h.mouseSensitivity) + "\n";
  text += std::string("invert-mouse ") + (h.invertMouse ? "yes" : "no") + "\n";
  text += "field-of-view " + floatText(h.fieldOfView) + "\n";
  text += "pad-turn-speed " + floatText(h.padTurnSpeed) + "\n";
  text += std::string("invert-pad ") + (h.invertPad ? "yes" : "no") + "\n";
  text += "pad-dead-zone " + floatText(h.padDeadZone) + "\n";
  text += std::string("swap-pad-sticks ") + (h.swapPadSticks ? "yes" : "no") + "\n";
  text += "keys " + numbersText(h.keys) + "\n";
  text += "pad-keys " + numbersText(h.padKeys) + "\n";
  text += "window " + std::to_string(h.windowWidth) + "x" + std::to_string(h.windowHeight) + "\n";
  text += "date " + h.date + "\n";
  text += "outcome " + h.outcome + "\n";
  text += "score " + std::to_string(h.score) + "\n";
  text += "record " + h.record + "\n";
  text += "best " + (h.hasBest ? std::to_string(h.bestScore) + " " + h.bestDate : "none") + "\n";
  text += std::string("new-best ") + (h.newBest ? "yes" : "no") + "\n";
  text += "clock " + std::to_string(h.startClockMs) + " " + std::to_string(h.previousFrameMs) + "\n";
  text += "held " + std::to_string(h.heldForward) + " " + std::to_string(h.heldSideways) + "\n";
  text += "pad " + padText(h.padAtStart) + "\n";
  text += "digest " + hex64(h.digest) + "\n";
  text += "body " + std::to_string(file.frames) + " " + std::to_string(file.records) + " " +
          std::to_string(file.body.size()) + "\n";
  std::uint64_t check = fnv1a(fnvStart, reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
  check = fnv1a(check, file.body.data(), file.body.size());
  text += "check " + hex64(check) + "\n\n";
  text.append(file.body.begin(), file.body.end());
  return text;
}

bool parseReplayFile(const std::string& bytes, ReplayFile& out, std::string& problem) {
  if (bytes.size() > replayFileMaxBytes) {
    problem = "it is too large to be a recorded heist";
    return false;
  }
  const std::size_t magicLength = std::strlen(magicLine);
  if (bytes.compare(0, magicLength, magicLine) != 0) {
    problem = "it is not a recorded heist";
    return false;
  }
  HeaderLines lines(bytes);
  std::string v;
  std::uint64_t version = 0;
  if (!lines.field("vaultrun-replay", v) || !readUnsigned(v, 999999, version)) {
    problem = "its version line is damaged";
    return false;
  }
  if (version != static_cast<std::uint64_t>(replayFileVersion)) {
    problem = "it is from replay version " + v + "; this game reads version " +
              std::to_string(replayFileVersion);
    return false;
  }
  ReplayFile file;
  if (!readHeaderLines(lines, file, problem)) return false;
  std::string counts, frames, records, size, check;
  std::uint64_t bodySize = 0, checkValue = 0;
  if (!lines.field("body", counts) || !splitPair(counts, ' ', frames, records) ||
      !splitPair(std::string(records), ' ', records, size) || !readUint32(frames, file.frames) ||
      !readUint32(records, file.records) || !readUnsigned(size, replayFileMaxBytes, bodySize)) {
    problem = "the body line is missing or wrong";
    return false;
  }
  const std::size_t checkedBytes = lines.at();
  if (!lines.field("check", v) || !readHex64(v, checkValue)) {
    problem = "the check line is missing or wrong";
    return false;
  }
  const std::size_t bodyStart = lines.at() + 1;
  if (bytes.size() < bodyStart || bytes[bodyStart - 1] != '\n' ||
      bytes.size() - bodyStart != bodySize) {
    problem = bytes.size() < bodyStart + bodySize ? "it is cut short" : "its length is wrong";
    return false;
  }
  const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
  if (fnv1a(fnv1a(fnvStart, data, checkedBytes), data + bodyStart, bodySize) != checkValue) {
    problem = "it is damaged (its check does not match)";
    return false;
  }
  file.body.assign(data + bodyStart, data + bytes.size());
  if (!checkBody(file, problem)) return false;
  if (formatReplayFile(file) != bytes) {
    problem = "its header is not as the game writes it";
    return false;
  }
  out = std::move(file);
  return true;
}
