// Finding the swap-control extensions in the GLX list: whole words only.
#include <gtest/gtest.h>

#include "platform/VSync.h"

TEST(VSync, ExtensionsMatchOnlyAsWholeWords) {
  const char* list = "GLX_ARB_multisample GLX_EXT_swap_control_tear GLX_MESA_swap_control";
  EXPECT_TRUE(platform::hasGlxExtension(list, "GLX_MESA_swap_control"));
  EXPECT_TRUE(platform::hasGlxExtension(list, "GLX_ARB_multisample"));
  // A longer name that starts with the one asked for is another extension.
  EXPECT_FALSE(platform::hasGlxExtension(list, "GLX_EXT_swap_control"));
  EXPECT_TRUE(platform::hasGlxExtension("GLX_EXT_swap_control_tear GLX_EXT_swap_control",
                                        "GLX_EXT_swap_control"));
  EXPECT_FALSE(platform::hasGlxExtension(list, "GLX_SGI_swap_control"));
  EXPECT_FALSE(platform::hasGlxExtension(list, "MESA_swap_control"));
  EXPECT_FALSE(platform::hasGlxExtension(list, ""));
  EXPECT_FALSE(platform::hasGlxExtension(nullptr, "GLX_MESA_swap_control"));
}
