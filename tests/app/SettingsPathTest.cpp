// Where the per-user settings file is looked for.
#include <gtest/gtest.h>

#include "app/SettingsPath.h"

TEST(SettingsPath, ConfigHomeWhenAbsoluteElseHomeConfigElseNone) {
  EXPECT_EQ(userSettingsPath("/cfg", "/home/p"), "/cfg/vaultrun/settings.ini");
  // Unset, empty or relative XDG_CONFIG_HOME: ~/.config, never a path relative to data/.
  EXPECT_EQ(userSettingsPath(nullptr, "/home/p"), "/home/p/.config/vaultrun/settings.ini");
  EXPECT_EQ(userSettingsPath("", "/home/p"), "/home/p/.config/vaultrun/settings.ini");
  EXPECT_EQ(userSettingsPath("cfg", "/home/p"), "/home/p/.config/vaultrun/settings.ini");
  EXPECT_EQ(userSettingsPath(nullptr, nullptr), "");
  EXPECT_EQ(userSettingsPath("", "home"), "");
}
