// Whole-file replacement through a temporary file and a rename, and making folders.
#include "platform/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace {

bool writeAll(int fd, const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

std::string systemReason(const std::string& what) {
  return what + ": " + std::strerror(errno);
}

bool makeFolders(const std::string& folder, std::string& problem) {
  for (std::size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
    const std::string part = folder.substr(0, slash);
    if (!part.empty() && mkdir(part.c_str(), 0755) != 0 && errno != EEXIST) {
      problem = systemReason("cannot make the folder " + part);
      return false;
    }
    if (slash == std::string::npos) break;
  }
  struct stat info;
  if (stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
    problem = "cannot make the folder " + folder + ": a file of that name is in the way";
    return false;
  }
  return true;
}

bool replaceFileAtomically(const std::string& folder, const std::string& temporaryPattern,
                           const std::string& path, const std::string& bytes,
                           std::string& problem) {
  std::string temporary = temporaryPattern;
  const int fd = mkostemp(&temporary[0], O_CLOEXEC);
  if (fd < 0) {
    problem = systemReason("cannot write in " + folder);
    return false;
  }
  bool written = writeAll(fd, bytes) && fsync(fd) == 0;
  if (!written) problem = systemReason("cannot write " + temporary);
  if (close(fd) != 0 && written) {
    written = false;
    problem = systemReason("cannot write " + temporary);
  }
  if (!written) {
    unlink(temporary.c_str());
    return false;
  }
  if (rename(temporary.c_str(), path.c_str()) != 0) {
    problem = systemReason("cannot replace " + path);
    unlink(temporary.c_str());
    return false;
  }
  const int folderFd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folderFd >= 0) {
    fsync(folderFd);
    close(folderFd);
  }
  return true;
}
