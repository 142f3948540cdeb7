// Runs vaultrun-replay as a child process, and builds its timelines.
#include "support/Replay.h"

#include "support/Process.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace testsupport {

ReplayResult runReplayRecording(const std::string& timeline, const std::string& dataHome,
                                const std::string& arguments) {
  const char* before = std::getenv("XDG_DATA_HOME");
  const std::string saved = before != nullptr ? before : "";
  setenv("XDG_DATA_HOME", dataHome.c_str(), 1);
  ReplayResult result = runReplay(timeline, arguments);
  if (before != nullptr) setenv("XDG_DATA_HOME", saved.c_str(), 1); else unsetenv("XDG_DATA_HOME");
  return result;
}

CommandRun watchRecording(const std::string& file, const std::string& dataHome,
                          const std::string& extra) {
  const std::string out = dataHome + ".out";
  const std::string game = "XDG_DATA_HOME='" + dataHome + "' '" + VAULTRUN_GAME_BINARY +
                           "' --replay '" + file + "' " + extra;
  return runCommand(
      std::string("cd '") + VAULTRUN_SOURCE_DIR + "' && { " + game + " > '" + out +
      "' 2>&1 & pid=$!; for i in $(seq 1500); do grep -q '^replay.digest' '" + out +
      "' && break; kill -0 $pid 2>/dev/null || break; sleep 0.2; done; kill -TERM $pid 2>/dev/null; "
      "wait $pid; status=$?; cat '" + out + "'; rm -f '" + out + "'; exit $status; }");
}

ReplayResult runReplay(const std::string& timeline, const std::string& arguments) {
  ReplayResult result;
  char path[] = "/tmp/vaultrun-timeline-XXXXXX";
  const int fd = mkstemp(path);
  if (fd < 0) return result;
  close(fd);
  std::ofstream(path) << timeline;
  const CommandRun run = runCommand(std::string("cd '") + VAULTRUN_SOURCE_DIR + "' && '" +
                                    VAULTRUN_REPLAY_BINARY + "' " + arguments + " '" + path + "'");
  result.exitStatus = run.status;
  result.output = run.out + run.err;
  struct rusage usage {};
  if (getrusage(RUSAGE_CHILDREN, &usage) == 0) result.peakKilobytes = usage.ru_maxrss;
  std::remove(path);
  std::istringstream lines(result.output);
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream in(line);
    std::string name;
    in >> name;
    std::vector<double> values;
    std::string word;
    while (in >> word) {
      char* end = nullptr;
      const double v = std::strtod(word.c_str(), &end);
      if (end != word.c_str() && *end == '\0') values.push_back(v);
    }
    if (!name.empty() && !values.empty()) result.numbers[name] = values;
  }
  return result;
}

std::string reportLine(const ReplayResult& r, const std::string& name) {
  const std::size_t at = r.output.find("\n" + name + " ");
  if (at == std::string::npos) return "";
  const std::size_t from = at + name.size() + 2;
  return r.output.substr(from, r.output.find('\n', from) - from);
}

double reportNumber(const ReplayResult& r, const std::string& name, std::size_t i) {
  const auto it = r.numbers.find(name);
  if (it == r.numbers.end() || it->second.size() <= i) return NAN;
  return it->second[i];
}

void Script::add(const std::string& event) { text += std::to_string(now) + " " + event + "\n"; }

Script& Script::wait(int ms) {
  now += ms;
  return *this;
}

Script& Script::press(const std::string& down, const std::string& up, int ms) {
  add(down);
  now += ms;
  add(up);
  now += scriptFrameMs;
  return *this;
}

Script& Script::walk(int ms) { return press("key-down w", "key-up w", ms); }

Script& Script::turn(int pixels) {
  for (int left = pixels; left != 0;) {
    const int step = std::max(-200, std::min(200, left));
    add("motion " + std::to_string(centreX + step) + " " + std::to_string(centreY));
    left -= step;
  }
  now += scriptFrameMs;
  return *this;
}

Script& Script::look(int dx, int dy) {
  add("motion " + std::to_string(centreX + dx) + " " + std::to_string(centreY + dy));
  now += scriptFrameMs;
  return *this;
}

Script& Script::resize(int width, int height) {
  add("resize " + std::to_string(width) + " " + std::to_string(height));
  centreX = width / 2, centreY = height / 2;
  return wait(scriptFrameMs);
}

Script& Script::key(const std::string& name) {
  return press("key-down " + name, "key-up " + name, scriptFrameMs);
}

Script& Script::click() {
  return press("button left down 512 384", "button left up 512 384", scriptFrameMs);
}

Script& Script::choose(const std::string& rules, const std::string& difficulty) {
  add("rules " + rules);
  add("difficulty " + difficulty);
  return *this;
}

Script& Script::place(float x, float z, float lx, float ly, float lz) {
  std::ostringstream event;
  event << "place " << x << " " << z << " " << lx << " " << ly << " " << lz;
  add(event.str());
  now += scriptFrameMs;
  return *this;
}

Script& Script::screenshot(const std::string& name) {
  if (!shots) return *this;
  add("screenshot " + shotPath(name));
  now += scriptFrameMs;
  return *this;
}

std::string Script::end(int ms) const { return text + std::to_string(now + ms) + " end\n"; }

std::string Script::shotPath(const std::string& name) {
  const std::string folder = std::string(VAULTRUN_BINARY_DIR) + "/scenario-shots";
  mkdir(folder.c_str(), 0755);
  const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
  return folder + "/" + test->name() + "-" + name + ".png";
}

Script& heistIntoRoomTwo(Script& s) {
  return s.key("enter").walk(1040).turn(-802).walk(2400).screenshot("room2");
}

Script& heistTakePicture(Script& s) { return s.turnLeft().walk(1040).key("t"); }

Script& heistTakeTeapotAndLeave(Script& s) {
  s.turnRight().walk(2480).turnLeft().walk(640).screenshot("room2-teapot").key("t");
  s.turnAround().walk(1680).turnRight().walk(4880).turnRight().walk(1040);
  return s.key("g").key("q").screenshot("verdict");
}

}  // namespace testsupport
