// The real game binary as a child process for the robustness tests: a scratch folder whose
// data/ tree links to the generated one with chosen files broken, the game started there under
// the test's X display with its output kept, its window found by process id, and the window
// manager's close request sent to it.
#pragma once

#include <X11/Xlib.h>
#include <fcntl.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "support/Process.h"

namespace robustness {

namespace fs = std::filesystem;

// A scratch working folder holding data/: every file a link to the generated tree, so that a
// test can replace one with a broken copy without touching the others. Removed afterwards.
class ScratchDataTree {
 public:
  ScratchDataTree() {
    char pattern[] = "/tmp/vaultrun-robust-XXXXXX";
    if (mkdtemp(pattern) != nullptr) folder_ = pattern;
    const fs::path source = fs::path(VAULTRUN_SOURCE_DIR) / "data";
    std::error_code error;
    ok_ = !folder_.empty() && fs::create_directory(folder_ / "data", error);
    for (fs::recursive_directory_iterator it(source, error), end; ok_ && !error && it != end;
         it.increment(error)) {
      const fs::path copy = folder_ / "data" / fs::relative(it->path(), source);
      if (it->is_directory()) {
        fs::create_directory(copy, error);
      } else {
        fs::create_symlink(it->path(), copy, error);
      }
    }
    ok_ = ok_ && !error;
  }
  ~ScratchDataTree() {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }
  ScratchDataTree(const ScratchDataTree&) = delete;
  ScratchDataTree& operator=(const ScratchDataTree&) = delete;

  bool ok() const { return ok_; }
  const fs::path& folder() const { return folder_; }

  // The generated file's bytes (relative to the folder, as "data/...").
  static std::vector<std::uint8_t> original(const std::string& name) {
    const std::string bytes = testsupport::readFile(std::string(VAULTRUN_SOURCE_DIR "/") + name);
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
  }

  // Replaces the link by a file of its own with these bytes.
  void replace(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    replace(name, std::string(bytes.begin(), bytes.end()));
  }
  void replace(const std::string& name, const std::string& bytes) {
    remove(name);
    std::ofstream(folder_ / name, std::ios::binary | std::ios::trunc) << bytes;
  }
  void remove(const std::string& name) {
    std::error_code ignored;
    fs::remove(folder_ / name, ignored);
  }
  // Replaces the link by a FIFO that nobody writes to: an open that waits for a writer never
  // returns.
  void replaceByFifo(const std::string& name) {
    remove(name);
    mkfifo((folder_ / name).c_str(), 0644);
  }

 private:
  fs::path folder_;
  bool ok_ = false;
};

// An X server of the test's own, so that the game's window is the only one on it: the other
// tests running beside this one open windows of the same name on the shared display.
class PrivateXServer {
 public:
  explicit PrivateXServer(const std::string& screen = "1024x768x24") {
    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0) return;
    const std::string fd = std::to_string(pipeFds[1]);
    pid_ = fork();
    if (pid_ == 0) {
      // -displayfd: the server picks a free display number and writes it to the pipe.
      const int devNull = open("/dev/null", O_WRONLY);
      dup2(devNull, 1);
      dup2(devNull, 2);
      fcntl(pipeFds[1], F_SETFD, 0);
      execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen.c_str(),
             "-nolisten", "tcp", "-noreset", static_cast<char*>(nullptr));
      _exit(127);
    }
    close(pipeFds[1]);
    for (char c; read(pipeFds[0], &c, 1) == 1 && c != '\n';) name_ += c;
    close(pipeFds[0]);
    if (!name_.empty()) name_ = ":" + name_;
  }
  ~PrivateXServer() {
    if (pid_ > 0) {
      kill(pid_, SIGTERM);
      waitpid(pid_, nullptr, 0);
    }
  }
  PrivateXServer(const PrivateXServer&) = delete;
  PrivateXServer& operator=(const PrivateXServer&) = delete;

  // ":N", or empty when the server could not be started.
  const std::string& name() const { return name_; }

 private:
  pid_t pid_ = -1;
  std::string name_;
};

// The game running in a folder, its standard output and error in files there.
class GameProcess {
 public:
  // Starts the game in folder with SDL's dummy audio driver and the test's environment, with
  // the "NAME=value" entries of `overrides` in place of those of the same names (env sets
  // them in order), and with `arguments` on its command line.
  explicit GameProcess(const fs::path& folder, const std::vector<std::string>& overrides = {},
                       const std::vector<std::string>& arguments = {})
      : folder_(folder) {
    // Everything the child needs is made before the fork: between fork and exec it only
    // calls what is safe in a copy of a process with other threads.
    std::vector<std::string> words = {"env", "SDL_AUDIODRIVER=dummy"};
    words.insert(words.end(), overrides.begin(), overrides.end());
    words.push_back(VAULTRUN_GAME_BINARY);
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& w : words) argv.push_back(&w[0]);
    argv.push_back(nullptr);
    const std::string out = (folder / "stdout.txt").string();
    const std::string err = (folder / "stderr.txt").string();
    const int outFd = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    const int errFd = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    pid_ = fork();
    if (pid_ == 0) {
      if (chdir(folder.c_str()) != 0 || dup2(outFd, 1) < 0 || dup2(errFd, 2) < 0) _exit(126);
      execv("/usr/bin/env", argv.data());
      _exit(127);
    }
    close(outFd);
    close(errFd);
  }
  ~GameProcess() {
    if (pid_ > 0 && status_ == notEnded) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
  }
  GameProcess(const GameProcess&) = delete;
  GameProcess& operator=(const GameProcess&) = delete;

  // The exit status once the game has ended, -1 for a signal, notEnded when it is still
  // running after `seconds`.
  int waitForExit(double seconds) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (status_ == notEnded && pid_ > 0) {
      int raw = 0;
      const pid_t got = waitpid(pid_, &raw, WNOHANG);
      if (got == pid_) {
        status_ = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        break;
      }
      if (std::chrono::steady_clock::now() > until) break;
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return status_;
  }

  // The game's top-level window on a display of its own (the only one named "Vaultrun"),
  // or 0 if none shows within `seconds` or the game ends first.
  Window findWindow(Display* display, double seconds) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (std::chrono::steady_clock::now() < until && waitForExit(0) == notEnded) {
      Window root = 0, parent = 0;
      Window* children = nullptr;
      unsigned int count = 0;
      XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count);
      Window found = 0;
      for (unsigned int i = 0; i < count && found == 0; ++i) {
        char* name = nullptr;
        if (XFetchName(display, children[i], &name) != 0 && name != nullptr) {
          if (std::string(name) == "Vaultrun") found = children[i];
          XFree(name);
        }
      }
      if (children != nullptr) XFree(children);
      if (found != 0) return found;
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return 0;
  }

  std::string output() const { return testsupport::readFile(folder_ / "stdout.txt"); }
  std::string errors() const { return testsupport::readFile(folder_ / "stderr.txt"); }

  static constexpr int notEnded = -1000;

 private:
  fs::path folder_;
  pid_t pid_ = -1;
  int status_ = notEnded;
};

// What a window manager sends when the player closes the window: WM_PROTOCOLS with
// WM_DELETE_WINDOW.
inline void requestClose(Display* display, Window window) {
  XEvent event = {};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(display, window, False, NoEventMask, &event);
  XFlush(display);
}

// True when the output holds a report of a sanitizer or a toolkit abort.
inline bool hasCrashReport(const std::string& errors) {
  for (const char* mark : {"AddressSanitizer", "LeakSanitizer", "runtime error:", "freeglut "}) {
    if (errors.find(mark) != std::string::npos) return true;
  }
  return false;
}

}  // namespace robustness
