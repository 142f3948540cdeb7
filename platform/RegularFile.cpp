// The non-blocking open and the bounded whole-file read behind every reader of the game.
#include "platform/RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/Signals.h"

namespace platform {

const char* const missingFileProblem = "does not exist";

namespace {

const char* kindOf(mode_t mode) {
  if (S_ISDIR(mode)) return "a folder";
  if (S_ISFIFO(mode)) return "a FIFO";
  if (S_ISSOCK(mode)) return "a socket";
  if (S_ISCHR(mode)) return "a character device";
  if (S_ISBLK(mode)) return "a block device";
  return "not a plain file";
}

}  // namespace

int openRegularFile(const std::string& path, std::string& problem, FileRefusal* refusal) {
  FileRefusal ignored = FileRefusal::none;
  FileRefusal& why = refusal != nullptr ? *refusal : ignored;
  why = FileRefusal::none;
  // Start-up opens one file after another: a Ctrl+C that came while the last one was read
  // ends the game here rather than after everything is loaded.
  endStartupIfTerminationRequested();
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) {
    const bool missing = errno == ENOENT;
    why = missing ? FileRefusal::missing : FileRefusal::unreadable;
    problem = missing ? missingFileProblem
                      : std::string("cannot be opened (") + std::strerror(errno) + ")";
    return -1;
  }
  struct stat status {};
  if (fstat(fd, &status) != 0) {
    problem = std::string("cannot be examined (") + std::strerror(errno) + ")";
    why = FileRefusal::unreadable;
    close(fd);
    return -1;
  }
  if (!S_ISREG(status.st_mode)) {
    problem = std::string("is ") + kindOf(status.st_mode) + ", not a regular file";
    why = FileRefusal::notRegular;
    close(fd);
    return -1;
  }
  // Reads from a regular file never wait anyway; the flag goes so that no reader has to
  // handle EAGAIN.
  fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  return fd;
}

bool readRegularFile(const std::string& path, std::size_t maxBytes, std::string& contents,
                     std::string& problem, FileRefusal* refusal) {
  FileRefusal ignored = FileRefusal::none;
  FileRefusal& why = refusal != nullptr ? *refusal : ignored;
  contents.clear();
  const int fd = openRegularFile(path, problem, &why);
  if (fd < 0) return false;
  const std::string tooLarge = "is larger than " + std::to_string(maxBytes / 1024) + " KB";
  struct stat status {};
  bool ok = fstat(fd, &status) == 0 && static_cast<std::size_t>(status.st_size) <= maxBytes;
  if (!ok) {
    problem = tooLarge;
    why = FileRefusal::tooLarge;
  }
  char buffer[8192];
  while (ok) {
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      problem = std::string("cannot be read (") + std::strerror(errno) + ")";
      why = FileRefusal::unreadable;
      ok = false;
    } else if (n == 0) {
      break;
    } else if (contents.size() + static_cast<std::size_t>(n) > maxBytes) {
      problem = tooLarge;  // it grew while read
      why = FileRefusal::tooLarge;
      ok = false;
    } else {
      contents.append(buffer, static_cast<std::size_t>(n));
    }
  }
  close(fd);
  if (!ok) contents.clear();
  return ok;
}

}  // namespace platform
