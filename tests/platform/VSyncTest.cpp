// The swap-interval request: finding the swap-control extensions in the GLX list, and asking
// for and turning off vertical sync on a real context.
#include <gtest/gtest.h>

#include <GL/glx.h>

#include "platform/VSync.h"
#include "support/GlContext.h"

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

TEST(VSync, SwapIntervalFollowsWhatTheDriverOffers) {
  if (!testsupport::ensureGlContext()) GTEST_SKIP() << "no X display";
  Display* display = glXGetCurrentDisplay();
  ASSERT_NE(display, nullptr);
  const char* extensions = glXQueryExtensionsString(display, DefaultScreen(display));
  const bool canTurnOff = platform::hasGlxExtension(extensions, "GLX_EXT_swap_control") ||
                          platform::hasGlxExtension(extensions, "GLX_MESA_swap_control");
  const bool canTurnOn = canTurnOff || platform::hasGlxExtension(extensions, "GLX_SGI_swap_control");
  EXPECT_EQ(platform::setSwapInterval(1), canTurnOn) << extensions;
  EXPECT_EQ(platform::setSwapInterval(0), canTurnOff) << extensions;
  EXPECT_FALSE(platform::setSwapInterval(-1));
  if (platform::hasGlxExtension(extensions, "GLX_EXT_swap_control")) {
    unsigned int interval = 99;
    glXQueryDrawable(display, glXGetCurrentDrawable(), GLX_SWAP_INTERVAL_EXT, &interval);
    EXPECT_EQ(interval, 0u);
  }
}
