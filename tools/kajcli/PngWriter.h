#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kaj::cli {

// An 8-bit RGB PNG of the pixels (red, green, blue per pixel, rows top down), its
// image data deflated by zlib.
std::vector<std::uint8_t> encodePng(const std::uint8_t* rgb, int width, int height);

}  // namespace kaj::cli
