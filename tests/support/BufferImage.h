#pragma once

#include <QImage>

#include "PixelBuffer.h"

namespace kaj::testing {

// A control's pixel buffer (blue, green, red) as the RGB image kajcli writes.
inline QImage bufferImage(const controls::PixelBuffer& buffer) {
    QImage image(buffer.width(), buffer.height(), QImage::Format_RGB888);
    for (int y = 0; y < buffer.height(); ++y) {
        for (int x = 0; x < buffer.width(); ++x) {
            const std::uint32_t c = buffer.at(x, y);
            image.setPixel(x, y,
                           qRgb(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                                static_cast<int>(c >> 16)));
        }
    }
    return image;
}

}  // namespace kaj::testing
