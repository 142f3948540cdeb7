// Whole-file reads shared by the asset loaders: every decoder works on bytes in memory.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Reads the whole file in binary mode into bytes. False when it can't be opened or read;
// bytes is then left empty. A file too large for memory throws std::bad_alloc (with the file
// closed), which each loader turns into its own refusal.
bool readWholeFile(const std::string& fileName, std::vector<std::uint8_t>& bytes);
