// Whole-file reads shared by the asset loaders: every decoder works on bytes in memory.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Reads the whole file in binary mode into bytes, opened without blocking (a FIFO or a device
// in a file's place is refused, see platform/RegularFile). False when it can't be opened or
// read, with `problem` (when given) saying why; bytes is then left empty. A file too large
// for memory throws std::bad_alloc (with the file closed), which each loader turns into its
// own refusal.
bool readWholeFile(const std::string& fileName, std::vector<std::uint8_t>& bytes,
                   std::string* problem = nullptr);

// " (why)" for a refusal worth naming in a loader's message (not for a missing file, which
// the loaders' own lines already say), else "".
std::string fileProblemNote(const std::string& problem);
