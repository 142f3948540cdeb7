// Saving the finished frame as a PNG file.
#pragma once

#include <string>

// Reads the back buffer (call it just before the swap) and writes it as an RGB PNG.
bool saveScreenshot(const std::string& path, int width, int height);
