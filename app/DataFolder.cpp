// Entering the folder given with --data.
#include "app/DataFolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

bool enterDataFolder(const std::string& folder, std::string& error) {
  struct stat info;
  const std::string dataPath = folder + "/data";
  if (stat(dataPath.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
    error = "the folder '" + folder + "' given with --data holds no data/ folder";
    return false;
  }
  if (chdir(folder.c_str()) != 0) {
    error = "cannot enter the folder '" + folder + "' given with --data: " + std::strerror(errno);
    return false;
  }
  return true;
}
