// Reading replay timelines.
#include "Timeline.h"

#include <GL/freeglut.h>
#include <SDL2/SDL.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>

#include "game/Rules.h"

namespace {

bool parseInt(const std::string& text, int& value) {
  if (text.empty()) return false;
  char* end = nullptr;
  const long v = std::strtol(text.c_str(), &end, 10);
  if (*end != '\0') return false;
  value = static_cast<int>(v);
  return true;
}

bool parseKey(const std::string& token, int& code) {
  static const std::map<std::string, int> names = {
      {"enter", 13}, {"esc", 27}, {"space", 32}, {"tab", 9}, {"backspace", 8}};
  if (token.size() == 1) {
    code = static_cast<unsigned char>(token[0]);
    return true;
  }
  const auto it = names.find(token);
  if (it != names.end()) {
    code = it->second;
    return true;
  }
  return parseInt(token, code);
}

bool parseSpecial(const std::string& token, int& code) {
  static const std::map<std::string, int> names = {
      {"f1", GLUT_KEY_F1},     {"f2", GLUT_KEY_F2},         {"f3", GLUT_KEY_F3},
      {"f4", GLUT_KEY_F4},     {"f5", GLUT_KEY_F5},         {"f6", GLUT_KEY_F6},
      {"f7", GLUT_KEY_F7},     {"f8", GLUT_KEY_F8},         {"f9", GLUT_KEY_F9},
      {"f10", GLUT_KEY_F10},   {"f11", GLUT_KEY_F11},       {"f12", GLUT_KEY_F12},
      {"left", GLUT_KEY_LEFT}, {"up", GLUT_KEY_UP},         {"right", GLUT_KEY_RIGHT},
      {"down", GLUT_KEY_DOWN}, {"pageup", GLUT_KEY_PAGE_UP}, {"pagedown", GLUT_KEY_PAGE_DOWN},
      {"home", GLUT_KEY_HOME}, {"end", GLUT_KEY_END},       {"insert", GLUT_KEY_INSERT}};
  const auto it = names.find(token);
  if (it != names.end()) {
    code = it->second;
    return true;
  }
  return parseInt(token, code);
}

bool parseButton(const std::string& token, int& code) {
  if (token == "left") code = GLUT_LEFT_BUTTON;
  else if (token == "middle") code = GLUT_MIDDLE_BUTTON;
  else if (token == "right") code = GLUT_RIGHT_BUTTON;
  else return false;
  return true;
}

// Parses one non-empty line; returns false on a malformed line.
bool parseLine(std::istringstream& in, TimelineEvent& event) {
  std::string kind;
  if (!(in >> event.timeMs >> kind) || event.timeMs < 0.0) return false;
  std::string a, b;
  if (kind == "key-down" || kind == "key-up") {
    event.kind = kind == "key-down" ? TimelineEvent::KeyDown : TimelineEvent::KeyUp;
    return static_cast<bool>(in >> a) && parseKey(a, event.code);
  }
  if (kind == "special-down" || kind == "special-up") {
    event.kind = kind == "special-down" ? TimelineEvent::SpecialDown : TimelineEvent::SpecialUp;
    return static_cast<bool>(in >> a) && parseSpecial(a, event.code);
  }
  if (kind == "motion" || kind == "drag") {
    event.kind = kind == "motion" ? TimelineEvent::Motion : TimelineEvent::Drag;
    return static_cast<bool>(in >> event.x >> event.y);
  }
  if (kind == "button") {
    event.kind = TimelineEvent::Button;
    if (!(in >> a >> b >> event.x >> event.y) || !parseButton(a, event.code)) return false;
    if (b == "down") event.state = GLUT_DOWN;
    else if (b == "up") event.state = GLUT_UP;
    else return false;
    return true;
  }
  if (kind == "screenshot" || kind == "report") {
    event.kind = kind == "screenshot" ? TimelineEvent::Screenshot : TimelineEvent::Report;
    return static_cast<bool>(in >> event.path);
  }
  if (kind == "step") {
    event.kind = TimelineEvent::Step;
    return static_cast<bool>(in >> a) && parseInt(a, event.code) && event.code >= 1;
  }
  if (kind == "resize") {
    event.kind = TimelineEvent::Resize;
    return static_cast<bool>(in >> event.x >> event.y) && event.x >= 1 && event.y >= 1 &&
           event.x <= 16384 && event.y <= 16384;
  }
  if (kind == "focus-out") {
    event.kind = TimelineEvent::FocusOut;
    return true;
  }
  if (kind == "pad-attach" || kind == "pad-detach") {
    event.kind = kind == "pad-attach" ? TimelineEvent::PadAttach : TimelineEvent::PadDetach;
    return true;
  }
  if (kind == "pad-button") {
    event.kind = TimelineEvent::PadButton;
    if (!(in >> a >> b)) return false;
    event.code = SDL_GameControllerGetButtonFromString(a.c_str());
    if (event.code == SDL_CONTROLLER_BUTTON_INVALID || (b != "down" && b != "up")) return false;
    event.state = b == "down" ? 1 : 0;
    return true;
  }
  if (kind == "pad-axis") {
    event.kind = TimelineEvent::PadAxis;
    if (!(in >> a >> event.value)) return false;
    event.code = SDL_GameControllerGetAxisFromString(a.c_str());
    return event.code != SDL_CONTROLLER_AXIS_INVALID && event.value >= -1.0 && event.value <= 1.0;
  }
  if (kind == "rules" || kind == "difficulty" || kind == "visibility-meter") {
    if (!(in >> a)) return false;
    if (kind == "rules") {
      event.kind = TimelineEvent::Rules;
      Rules rules = Rules::Classic;
      if (!readRulesWord(a, rules)) return false;
      event.code = static_cast<int>(rules);
      return true;
    }
    if (kind == "difficulty") {
      event.kind = TimelineEvent::Difficulty;
      Difficulty difficulty = Difficulty::Normal;
      if (!readDifficultyWord(a, difficulty)) return false;
      event.code = static_cast<int>(difficulty);
      return true;
    }
    event.kind = TimelineEvent::Meter;
    event.code = a == "yes" ? 1 : 0;
    return a == "yes" || a == "no";
  }
  if (kind == "place") {
    event.kind = TimelineEvent::Place;
    for (double& value : event.place) {
      if (!(in >> value)) return false;
    }
    return true;
  }
  if (kind == "end") {
    event.kind = TimelineEvent::End;
    return true;
  }
  return false;
}

}  // namespace

bool readTimeline(const std::string& fileName, std::vector<TimelineEvent>& events,
                  std::string& error) {
  std::ifstream file(fileName);
  if (!file) {
    error = "cannot open the timeline " + fileName;
    return false;
  }
  std::vector<TimelineEvent> read;
  std::string line;
  int lineNumber = 0;
  while (std::getline(file, line)) {
    ++lineNumber;
    const std::size_t hash = line.find('#');
    if (hash != std::string::npos) line.erase(hash);
    std::istringstream in(line);
    std::string first;
    if (!(in >> first)) continue;
    std::istringstream whole(line);
    TimelineEvent event;
    if (!parseLine(whole, event)) {
      error = fileName + ":" + std::to_string(lineNumber) + ": cannot read the event \"" + line + "\"";
      return false;
    }
    read.push_back(event);
  }
  std::stable_sort(read.begin(), read.end(),
                   [](const TimelineEvent& a, const TimelineEvent& b) { return a.timeMs < b.timeMs; });
  events = read;
  return true;
}
