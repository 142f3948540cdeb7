// Saving the front buffer as a PNG file.
#pragma once

#include <string>

// Reads the window's last shown frame and writes it as an RGB PNG; false on failure.
bool saveScreenshot(const std::string& path, int width, int height);
