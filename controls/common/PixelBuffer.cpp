#include "PixelBuffer.h"

#include <cstring>

namespace kaj::controls {

void PixelBuffer::resizeForBounds(int boundsWidth, int boundsHeight) {
    width_ = boundsWidth > 0 ? boundsWidth / 8 * 8 : 0;
    height_ = boundsHeight > 0 ? boundsHeight / 8 * 8 : 0;
    bytes_.assign(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_) * 3, 0);
}

void PixelBuffer::fill(std::uint32_t converted) {
    if (bytes_.empty()) {
        return;
    }
    const std::size_t stride = static_cast<std::size_t>(width_) * 3;
    for (std::size_t at = 0; at < stride; at += 3) {
        bytes_[at] = static_cast<std::uint8_t>(converted >> 16);
        bytes_[at + 1] = static_cast<std::uint8_t>(converted >> 8);
        bytes_[at + 2] = static_cast<std::uint8_t>(converted);
    }
    for (std::size_t row = 1; row < static_cast<std::size_t>(height_); ++row) {
        std::memcpy(bytes_.data() + row * stride, bytes_.data(), stride);
    }
}

std::uint32_t PixelBuffer::at(int x, int y) const {
    const std::size_t i = (static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                           static_cast<std::size_t>(x)) *
                          3;
    return (static_cast<std::uint32_t>(bytes_[i]) << 16) |
           (static_cast<std::uint32_t>(bytes_[i + 1]) << 8) | bytes_[i + 2];
}

}  // namespace kaj::controls
