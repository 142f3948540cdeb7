// Whole-file reads: every byte of files large and empty, of files whose size the file system
// does not report, and nothing for a file that is not there.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "assets/FileBytes.h"

namespace {

std::string writeTemporary(const std::vector<std::uint8_t>& content) {
  const std::string path = "/tmp/vaultrun-filebytes-" + std::to_string(getpid());
  std::FILE* file = std::fopen(path.c_str(), "wb");
  EXPECT_NE(nullptr, file);
  if (file == nullptr) return path;
  if (!content.empty()) std::fwrite(content.data(), 1, content.size(), file);
  std::fclose(file);
  return path;
}

TEST(ReadWholeFile, ReadsEveryByteWhateverTheSize) {
  for (const std::size_t size : {std::size_t{0}, std::size_t{65537}, std::size_t{3 * 1024 * 1024 + 54}}) {
    SCOPED_TRACE(size);
    std::vector<std::uint8_t> content(size);
    for (std::size_t i = 0; i < size; ++i) content[i] = static_cast<std::uint8_t>(i * 7 + i / 251);
    const std::string path = writeTemporary(content);
    std::vector<std::uint8_t> bytes{1, 2, 3};  // what was there before goes
    EXPECT_TRUE(readWholeFile(path, bytes) && content == bytes);
    std::remove(path.c_str());
  }
}

TEST(ReadWholeFile, ReadsFilesThatReportNoSize) {
  std::vector<std::uint8_t> bytes;
  ASSERT_TRUE(readWholeFile("/proc/self/status", bytes));
  const std::string text(bytes.begin(), bytes.end());
  EXPECT_EQ(0u, text.find("Name:"));
  EXPECT_NE(std::string::npos, text.find("VmHWM:"));  // well past the start
}

TEST(ReadWholeFile, AMissingFileOrAFolderGivesNothing) {
  for (const char* path : {"/tmp/vaultrun-no-such-file", "/tmp"}) {
    std::vector<std::uint8_t> bytes{1, 2, 3};
    EXPECT_FALSE(readWholeFile(path, bytes));
    EXPECT_TRUE(bytes.empty()) << path;
  }
}

}  // namespace
