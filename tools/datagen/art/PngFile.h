#pragma once

#include <string>

#include "tools/datagen/art/Image.h"

namespace DataGen {

// Saves the image as a 32-bit PNG through FreeImage (rows bottom-up, so the
// stored picture is upright). Throws Engine::DataFileError on failure.
void savePng(const Image& image, const std::string& path);

} // namespace DataGen
