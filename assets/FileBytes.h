// Whole-file reads shared by the asset loaders: every decoder works on bytes in memory.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Reads the whole file in binary mode into bytes. False when it can't be opened or read;
// bytes is then left empty.
bool readWholeFile(const std::string& fileName, std::vector<std::uint8_t>& bytes);
