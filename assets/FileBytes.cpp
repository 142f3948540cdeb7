// Whole-file reads for the loaders, the file closed on every way out.
#include "assets/FileBytes.h"

#include <cstdio>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/RegularFile.h"

namespace {

// The file's size as the file system reports it, or 0 when it cannot say (a pipe, a device).
std::size_t reportedSize(std::FILE* file) {
  struct stat status {};
  if (fstat(fileno(file), &status) != 0 || !S_ISREG(status.st_mode) || status.st_size <= 0) {
    return 0;
  }
  return static_cast<std::size_t>(status.st_size);
}

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

// Reads in one go into a buffer of the reported size (the images run to megabytes, and a buffer
// grown piece by piece copies and faults in each of them several times); whatever the file
// holds beyond that size (it may grow while read, or report none) is read on in chunks.
bool readWholeFile(const std::string& fileName, std::vector<std::uint8_t>& bytes,
                   std::string* problem) {
  bytes.clear();
  std::string why;
  const int fd = platform::openRegularFile(fileName, why);
  std::FILE* const file = fd < 0 ? nullptr : fdopen(fd, "rb");
  const std::unique_ptr<std::FILE, FileCloser> opened(file);
  if (file == nullptr) {
    if (fd >= 0) close(fd);
    if (problem != nullptr) *problem = fd < 0 ? why : "cannot be opened";
    return false;
  }
  const std::size_t expected = reportedSize(file);
  bytes.resize(expected);
  const std::size_t filled = expected > 0 ? std::fread(bytes.data(), 1, expected, file) : 0;
  bool ok = filled == expected || std::ferror(file) == 0;
  bytes.resize(filled);
  if (ok && filled == expected) {  // a short read met the end of the file already
    std::uint8_t chunk[65536];
    for (;;) {
      const std::size_t got = std::fread(chunk, 1, sizeof chunk, file);
      bytes.insert(bytes.end(), chunk, chunk + got);
      if (got < sizeof chunk) {
        ok = std::ferror(file) == 0;
        break;
      }
    }
  }
  if (!ok) {
    bytes.clear();
    if (problem != nullptr) *problem = "cannot be read";
  }
  return ok;
}

std::string fileProblemNote(const std::string& problem) {
  return problem.empty() || problem == platform::missingFileProblem ? "" : " (" + problem + ")";
}
