// Swap interval over the GLX swap-control extensions, looked up at run time.
#include "platform/VSync.h"

#include <GL/glx.h>

#include <cstring>

namespace platform {

namespace {

using SwapIntervalExt = void (*)(Display*, GLXDrawable, int);
using SwapIntervalMesa = int (*)(unsigned int);
using SwapIntervalSgi = int (*)(int);

template <typename Function>
Function lookUp(const char* name) {
  return reinterpret_cast<Function>(glXGetProcAddressARB(reinterpret_cast<const GLubyte*>(name)));
}

}  // namespace

bool hasGlxExtension(const char* extensionList, const char* name) {
  if (extensionList == nullptr || name == nullptr || *name == '\0') return false;
  const std::size_t length = std::strlen(name);
  for (const char* p = extensionList; (p = std::strstr(p, name)) != nullptr; p += length) {
    const bool startsWord = p == extensionList || p[-1] == ' ';
    const bool endsWord = p[length] == ' ' || p[length] == '\0';
    if (startsWord && endsWord) return true;
  }
  return false;
}

bool setSwapInterval(int interval) {
  Display* display = glXGetCurrentDisplay();
  const GLXDrawable drawable = glXGetCurrentDrawable();
  if (display == nullptr || drawable == None || interval < 0) return false;
  const char* extensions = glXQueryExtensionsString(display, DefaultScreen(display));
  if (hasGlxExtension(extensions, "GLX_EXT_swap_control")) {
    if (auto swapInterval = lookUp<SwapIntervalExt>("glXSwapIntervalEXT")) {
      swapInterval(display, drawable, interval);
      return true;
    }
  }
  if (hasGlxExtension(extensions, "GLX_MESA_swap_control")) {
    if (auto swapInterval = lookUp<SwapIntervalMesa>("glXSwapIntervalMESA")) {
      return swapInterval(static_cast<unsigned int>(interval)) == 0;
    }
  }
  // The SGI form refuses 0: it can only slow swaps down.
  if (interval > 0 && hasGlxExtension(extensions, "GLX_SGI_swap_control")) {
    if (auto swapInterval = lookUp<SwapIntervalSgi>("glXSwapIntervalSGI")) {
      return swapInterval(interval) == 0;
    }
  }
  return false;
}

}  // namespace platform
