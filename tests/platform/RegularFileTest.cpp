// The non-blocking open behind every reader: whatever stands in a file's place (a FIFO
// without a writer, a device, a folder) is refused at once and named; a regular file is read
// whole, up to the reader's limit.
#include "platform/RegularFile.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

struct Scratch {
  char name[40] = "/tmp/vaultrun-regular-XXXXXX";
  const fs::path path = mkdtemp(name);
  ~Scratch() { fs::remove_all(path); }
};

TEST(RegularFile, WhatIsNoRegularFileIsRefusedAtOnceWithItsKind) {
  Scratch scratch;
  const fs::path fifo = scratch.path / "fifo";
  ASSERT_EQ(0, mkfifo(fifo.c_str(), 0644));
  const struct {
    std::string path;
    const char* problem;
    platform::FileRefusal refusal;
  } cases[] = {
      {fifo.string(), "is a FIFO, not a regular file", platform::FileRefusal::notRegular},
      {"/dev/null", "is a character device, not a regular file", platform::FileRefusal::notRegular},
      {scratch.path.string(), "is a folder, not a regular file", platform::FileRefusal::notRegular},
      {(scratch.path / "none").string(), "does not exist", platform::FileRefusal::missing},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    std::string contents = "left over", problem;
    platform::FileRefusal refusal = platform::FileRefusal::none;
    EXPECT_FALSE(platform::readRegularFile(c.path, 1024, contents, problem, &refusal));
    EXPECT_EQ(problem, c.problem);
    EXPECT_EQ(refusal, c.refusal);
    EXPECT_TRUE(contents.empty());
  }
}

TEST(RegularFile, AFileIsReadWholeUpToTheLimitAndRefusedBeyondIt) {
  Scratch scratch;
  const fs::path file = scratch.path / "settings.ini";
  std::ofstream(file, std::ios::binary) << std::string(2048, 'x');
  std::string contents, problem;
  EXPECT_TRUE(platform::readRegularFile(file, 2048, contents, problem)) << problem;
  EXPECT_EQ(contents.size(), 2048u);
  platform::FileRefusal refusal = platform::FileRefusal::none;
  EXPECT_FALSE(platform::readRegularFile(file, 2047, contents, problem, &refusal));
  EXPECT_EQ(refusal, platform::FileRefusal::tooLarge);
  EXPECT_TRUE(contents.empty());
  // The descriptor handed out reads without O_NONBLOCK.
  const int fd = platform::openRegularFile(file, problem);
  ASSERT_GE(fd, 0);
  EXPECT_EQ(0, fcntl(fd, F_GETFL) & O_NONBLOCK);
  close(fd);
}

}  // namespace
