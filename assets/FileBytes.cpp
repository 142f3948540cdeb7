// Whole-file reads for the asset loaders.
#include "assets/FileBytes.h"

#include <cstdio>

bool readWholeFile(const std::string& fileName, std::vector<std::uint8_t>& bytes) {
  bytes.clear();
  std::FILE* file = std::fopen(fileName.c_str(), "rb");
  if (file == nullptr) {
    return false;
  }
  std::uint8_t chunk[65536];
  bool ok = true;
  for (;;) {
    const std::size_t got = std::fread(chunk, 1, sizeof chunk, file);
    bytes.insert(bytes.end(), chunk, chunk + got);
    if (got < sizeof chunk) {
      ok = std::ferror(file) == 0;
      break;
    }
  }
  std::fclose(file);
  if (!ok) {
    bytes.clear();
  }
  return ok;
}
