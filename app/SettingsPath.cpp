// Choosing between the per-user settings file and data/settings.ini.
#include "app/SettingsPath.h"

#include <sys/stat.h>

#include <cstdlib>

#include "app/Settings.h"

namespace {

bool isAbsoluteFolder(const char* path) {
  return path != nullptr && path[0] == '/';
}

bool pathExists(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0;
}

}  // namespace

std::string userSettingsPath(const char* xdgConfigHome, const char* home) {
  std::string configFolder;
  if (isAbsoluteFolder(xdgConfigHome)) {
    configFolder = xdgConfigHome;
  } else if (isAbsoluteFolder(home)) {
    configFolder = std::string(home) + "/.config";
  } else {
    return std::string();
  }
  return configFolder + "/vaultrun/settings.ini";
}

std::string chooseSettingsPath() {
  const std::string userPath =
      userSettingsPath(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
  if (!userPath.empty() && pathExists(userPath)) {
    return userPath;
  }
  return settingsPath;
}
