// The real game started on a data/ tree with one file broken: every loading failure ends it
// with status 1 and a line naming the file and the problem, never with a crash or a toolkit
// message; a FIFO in a file's place is refused at once; broken sound files, or no audio device at all, leave it silent and playing, and the
// window manager's close request then ends it cleanly with status 0.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "tests/robustness/GameProcess.h"

namespace {

using robustness::GameProcess;
using robustness::ScratchDataTree;
using Bytes = std::vector<std::uint8_t>;

// Start-up under ASan loads everything slowly; the failures come long before this.
constexpr double exitSeconds = 180.0;

bool haveDisplay() {
  const char* display = std::getenv("DISPLAY");
  return display != nullptr && *display != '\0';
}

struct BrokenFile {
  const char* what;
  std::function<void(ScratchDataTree&)> breakIt;
  std::string expectedOutput;  // in standard output
  std::string expectedErrors;  // in standard error
};

std::vector<BrokenFile> brokenFiles() {
  Bytes hugeBmp = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 26, 0, 0, 0,  // file header
                   12, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 1, 0, 24, 0};  // 65535 x 65535
  hugeBmp.resize(100, 0x55);
  return {
      {"a 65535 x 65535 texture in 100 bytes",
       [hugeBmp](ScratchDataTree& t) { t.replace("data/textures/heart.bmp", hugeBmp); },
       "An error has occured by loading the texture data/textures/heart.bmp\n",
       "Error: Out of memory. (data/textures/heart.bmp: "},
      {"an empty texture",
       [](ScratchDataTree& t) { t.replace("data/textures/switch.bmp", Bytes()); },
       "An error has occured by loading the texture data/textures/switch.bmp\n",
       "Error: Failed to open DIB file data/textures/switch.bmp.\n"},
      {"no level", [](ScratchDataTree& t) { t.remove("data/models/level.txt"); },
       "File Not Found: data/models/level.txt\n", ""},
      {"a model cut in half",
       [](ScratchDataTree& t) {
         Bytes half = ScratchDataTree::original("data/models/objects/table.txt");
         half.resize(half.size() / 2);
         t.replace("data/models/objects/table.txt", half);
       },
       "Malformed model file data/models/objects/table.txt: ", ""},
      {"an MD2 file cut at 67 bytes",
       [](ScratchDataTree& t) {
         Bytes cut = ScratchDataTree::original("data/animation/gehend.md2");
         cut.resize(67);
         t.replace("data/animation/gehend.md2", cut);
       },
       "", "Error: Invalid file format (header cut short at 67 of 68 bytes): "
           "data/animation/gehend.md2!\n"},
      {"an MD2 file of version 7",
       [](ScratchDataTree& t) {
         Bytes file = ScratchDataTree::original("data/animation/waffe_falling.md2");
         file.at(4) = 7;
         t.replace("data/animation/waffe_falling.md2", file);
       },
       "", "Error: Invalid file format (Version not 8): data/animation/waffe_falling.md2!\n"},
      {"no MD2 file", [](ScratchDataTree& t) { t.remove("data/animation/stehend.md2"); }, "",
       "Error: Unable to find the file: data/animation/stehend.md2!\n"},
      {"a mode line of 100 characters",
       [](ScratchDataTree& t) {
         t.replace("data/settings.ini", "# mine\n" + std::string(86, '0') + "1024x768:32@60\n");
       },
       "Error: data/settings.ini: line 2, the mode line, is longer than 99 characters\n", ""},
      // Nothing writes to these FIFOs: a reader that waited for one would hang the start-up.
      {"a FIFO in place of a texture",
       [](ScratchDataTree& t) { t.replaceByFifo("data/textures/switch.bmp"); },
       "An error has occured by loading the texture data/textures/switch.bmp\n",
       "Error: Failed to open DIB file data/textures/switch.bmp (is a FIFO, not a regular file).\n"},
      {"a FIFO in place of the level",
       [](ScratchDataTree& t) { t.replaceByFifo("data/models/level.txt"); },
       "File Not Found: data/models/level.txt (is a FIFO, not a regular file)\n", ""},
      {"a FIFO in place of an MD2 file",
       [](ScratchDataTree& t) { t.replaceByFifo("data/animation/stehend.md2"); }, "",
       "Error: Unable to find the file: data/animation/stehend.md2 (is a FIFO, not a regular "
       "file)!\n"},
  };
}

TEST(BrokenDataTree, EveryLoadingFailureNamesTheFileAndEndsWithStatusOne) {
  if (!haveDisplay()) GTEST_SKIP() << "the loaders run only once the window is open";
  for (const BrokenFile& broken : brokenFiles()) {
    SCOPED_TRACE(broken.what);
    ScratchDataTree tree;
    ASSERT_TRUE(tree.ok());
    broken.breakIt(tree);
    GameProcess game(tree.folder());
    const int status = game.waitForExit(exitSeconds);
    const std::string output = game.output(), errors = game.errors();
    EXPECT_EQ(1, status) << output << errors;
    EXPECT_EQ(0u, output.find("The Vaultrun is loading - please wait!\n")) << output;
    EXPECT_NE(std::string::npos, output.find(broken.expectedOutput)) << output;
    EXPECT_NE(std::string::npos, errors.find(broken.expectedErrors)) << errors;
    EXPECT_FALSE(robustness::hasCrashReport(errors)) << errors;
  }
}

struct ClosedRun {
  int status = GameProcess::notEnded;
  std::string output, errors;
};

// Starts the game in the tree on an X server of its own, waits for its window (`inPlay`: then
// Enter on Start and two seconds of the heist), asks the window manager's way for it to close,
// and waits for the end.
ClosedRun runUntilClosed(const ScratchDataTree& tree, std::vector<std::string> environment,
                         bool inPlay = false) {
  ClosedRun run;
  const robustness::PrivateXServer server;
  EXPECT_FALSE(server.name().empty()) << "cannot start Xvfb";
  Display* display = server.name().empty() ? nullptr : XOpenDisplay(server.name().c_str());
  if (display == nullptr) return run;
  environment.push_back("DISPLAY=" + server.name());
  GameProcess game(tree.folder(), environment);
  const Window window = game.findWindow(display, exitSeconds);
  EXPECT_NE(0u, window) << game.output() << game.errors();
  if (window != 0 && inPlay) {
    testsupport::runCommand("DISPLAY=" + server.name() + " timeout 20 xdotool windowfocus --sync " +
                            std::to_string(window) + " key Return sleep 2");
  }
  // The request waits in the game's queue until its main loop runs, after the world is built.
  if (window != 0) robustness::requestClose(display, window);
  XCloseDisplay(display);
  run.status = game.waitForExit(exitSeconds);
  run.output = game.output();
  run.errors = game.errors();
  return run;
}

const char* const fallbackLine =
    "The screen mode 1024x768:32@60 cannot be set; using a full-screen window instead.\n";

TEST(BrokenDataTree, BrokenSoundsLeaveTheGameSilentAndTheWindowClosedInPlayEndsItKeepingTheHeist) {
  if (!haveDisplay()) GTEST_SKIP() << "no X display";
  ScratchDataTree tree;
  ASSERT_TRUE(tree.ok());
  // A WAV whose data chunk claims far more than the file holds.
  Bytes wav = ScratchDataTree::original("data/audio/footstep.wav");
  ASSERT_GT(wav.size(), 44u);
  ASSERT_EQ(std::string(wav.begin() + 36, wav.begin() + 40), "data");
  for (int i = 0; i < 4; ++i) wav[40 + i] = static_cast<std::uint8_t>(0x7fffff00u >> (8 * i));
  tree.replace("data/audio/footstep.wav", wav);
  // A zero-byte MP3, and random bytes named .mp3 and .wav.
  tree.replace("data/audio/menue.mp3", Bytes());
  Bytes noise(4096);
  std::mt19937 random(12345);
  for (std::uint8_t& b : noise) b = static_cast<std::uint8_t>(random());
  tree.replace("data/audio/game1.mp3", noise);
  tree.replace("data/audio/claps.wav", noise);
  // FIFOs that nobody writes to, in place of two sounds.
  tree.replaceByFifo("data/audio/gunshot.wav");
  tree.replaceByFifo("data/audio/shutdown.wav");

  // Closed in play: the heist cut short is kept as last.vrr, with the outcome quit.
  const std::string home = (tree.folder() / "home").string();
  const ClosedRun run = runUntilClosed(tree, {"XDG_DATA_HOME=" + home}, true);
  EXPECT_NE(testsupport::readFile(home + "/vaultrun/replays/last.vrr").find("\noutcome quit\n"),
            std::string::npos);
  EXPECT_NE(std::string::npos,
            run.errors.find("Warning: data/audio/gunshot.wav is a FIFO, not a regular file; "
                            "that sound stays silent.\n")) << run.errors;
  EXPECT_EQ(0, run.status) << run.output << run.errors;
  EXPECT_NE(std::string::npos, run.output.find(fallbackLine)) << run.output;
  // Every other generated file loads without a word from its loader.
  for (const char* complaint : {"rror", "Not Found", "Malformed", "Invalid", "Unable"}) {
    EXPECT_EQ(std::string::npos, run.output.find(complaint)) << run.output;
  }
  EXPECT_EQ(std::string::npos, run.errors.find("Error")) << run.errors;
  EXPECT_FALSE(robustness::hasCrashReport(run.errors)) << run.errors;
}

TEST(BrokenDataTree, BadOptionLinesAreNamedOneByOneAndTheGamePlaysOn) {
  if (!haveDisplay()) GTEST_SKIP() << "no X display";
  ScratchDataTree tree;
  ASSERT_TRUE(tree.ok());
  tree.replace("data/settings.ini",
               std::string("# options\nmouse-sensitivity = 11\nspeed = 3\nfield-of-view\n"
                           "music-volume = 40\ninvert-mouse = sometimes\n1024x768:32@60\n"));
  const ClosedRun run = runUntilClosed(tree, {});
  EXPECT_EQ(0, run.status) << run.output << run.errors;
  EXPECT_NE(std::string::npos, run.output.find(fallbackLine)) << run.output;
  for (const char* line : {"data/settings.ini: line 2: mouse-sensitivity",
                           "data/settings.ini: line 3: unknown option \"speed\"",
                           "data/settings.ini: line 4: \"field-of-view\" is not",
                           "data/settings.ini: line 6: invert-mouse"}) {
    EXPECT_NE(std::string::npos, run.output.find(line)) << line << "\n" << run.output;
  }
  EXPECT_EQ(std::string::npos, run.output.find("line 5")) << run.output;
}

TEST(BrokenDataTree, WithoutAnAudioDeviceTheGameRunsSilentWithOneWarning) {
  if (!haveDisplay()) GTEST_SKIP() << "no X display";
  ScratchDataTree tree;
  ASSERT_TRUE(tree.ok());
  const ClosedRun run = runUntilClosed(tree, {"SDL_AUDIODRIVER=vaultrun-no-such-device"});
  EXPECT_EQ(0, run.status) << run.output << run.errors;
  EXPECT_NE(std::string::npos, run.output.find(fallbackLine)) << run.output;
  const std::string warning = "Warning: no audio device (";
  const std::size_t first = run.errors.find(warning);
  EXPECT_NE(std::string::npos, first) << run.errors;
  EXPECT_EQ(std::string::npos, run.errors.find(warning, first + 1)) << run.errors;
  EXPECT_NE(std::string::npos, run.errors.find("the game runs without sound.\n")) << run.errors;
  EXPECT_FALSE(robustness::hasCrashReport(run.errors)) << run.errors;
}

}  // namespace
