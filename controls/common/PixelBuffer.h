#pragma once

#include <cstdint>
#include <vector>

namespace kaj::controls {

// Pixels of a control, 3 bytes each in the order blue, green, red, rows top to
// bottom without filler. Width and height are whole multiples of 8.
class PixelBuffer {
  public:
    PixelBuffer() = default;
    // Sizes the buffer for bounds of the given size, rounded down to multiples of 8.
    void resizeForBounds(int boundsWidth, int boundsHeight);
    // Fills every pixel with a converted colour (blue * 65536 + green * 256 + red).
    void fill(std::uint32_t converted);

    // Writes a converted colour; positions outside the buffer are left alone.
    void put(int x, int y, std::uint32_t converted) {
        if (x < 0 || y < 0 || x >= width_ || y >= height_) {
            return;
        }
        const std::size_t at = (static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                                static_cast<std::size_t>(x)) *
                               3;
        bytes_[at] = static_cast<std::uint8_t>(converted >> 16);
        bytes_[at + 1] = static_cast<std::uint8_t>(converted >> 8);
        bytes_[at + 2] = static_cast<std::uint8_t>(converted);
    }

    int width() const { return width_; }
    int height() const { return height_; }
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }
    std::uint32_t at(int x, int y) const;  // converted colour of a pixel inside the buffer

  private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint8_t> bytes_;
};

}  // namespace kaj::controls
