// Choosing between the per-user settings file and data/settings.ini.
#include "app/SettingsPath.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>

#include "app/Settings.h"

namespace {

bool isAbsoluteFolder(const char* path) {
  return path != nullptr && path[0] == '/';
}

// Anything at the path, a link to nothing included.
bool pathExists(const std::string& path) {
  struct stat info;
  return lstat(path.c_str(), &info) == 0;
}

bool linksToNothing(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) != 0 && errno == ENOENT;
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

std::string chooseSettingsPath(std::string& notice) {
  notice.clear();
  const std::string userPath =
      userSettingsPath(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
  if (userPath.empty() || !pathExists(userPath)) {
    return settingsPath;
  }
  if (linksToNothing(userPath)) {
    notice = userPath + " is a link to nothing; reading " + settingsPath + " instead";
    return settingsPath;
  }
  return userPath;
}
