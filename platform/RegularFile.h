// Opening a file the game reads (settings, record, assets) without ever blocking: a FIFO, a
// device or a socket put in a file's place is refused at once instead of waited on.
#pragma once

#include <cstddef>
#include <string>

namespace platform {

// Why a file was not read, for callers whose answer depends on it.
enum class FileRefusal {
  none,
  missing,     // nothing at the path
  notRegular,  // a folder, a FIFO, a device or a socket
  tooLarge,    // over the reader's limit
  unreadable,  // anything else: no permission, an I/O error
};

// The problem text of a missing file.
extern const char* const missingFileProblem;

// Opens `path` read-only with O_NONBLOCK, so that a FIFO without a writer cannot hold the
// open, then asks fstat what it is. Returns a blocking descriptor of a regular file, or -1
// with `problem` set to a short reason ("does not exist", "is a FIFO, not a regular file",
// "is a folder, not a regular file", or the system's reason). The caller closes it.
int openRegularFile(const std::string& path, std::string& problem,
                    FileRefusal* refusal = nullptr);

// The whole regular file at `path`, at most `maxBytes` long. False with `problem` set when
// it cannot be opened (as above), cannot be read, or is longer than that (refused from its
// size before a byte is read).
bool readRegularFile(const std::string& path, std::size_t maxBytes, std::string& contents,
                     std::string& problem, FileRefusal* refusal = nullptr);

}  // namespace platform
