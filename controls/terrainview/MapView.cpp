#include "MapView.h"

#include <algorithm>

namespace kaj::terrain {

std::int16_t clampZoom(int zoom) {
    return static_cast<std::int16_t>(std::clamp<int>(zoom, kLowestZoom, kHighestZoom));
}

ZoomParameters zoomParameters(std::int16_t zoom) {
    ZoomParameters z{1, 8, 1, 1};
    if (zoom > 0) {
        z.pixelsPerCell = 1 << std::min<int>(zoom, 30);
        z.scale = z.pixelsPerCell;
        return z;
    }
    if (zoom < 0) {
        const int shift = std::min<int>(-zoom, 30);
        z.samplesPerBlock = 8 >> std::min(shift, 4);
        if (z.samplesPerBlock < 1 || zoom == -4) {
            z.samplesPerBlock = 1;
            z.blockStep = 2;
        }
        z.scale = 8 * z.blockStep / z.samplesPerBlock;
    }
    return z;
}

BlockRange visibleBlocks(int centre, int size, int blocks, const ZoomParameters& zoom) {
    const int blockPixels = zoom.samplesPerBlock * zoom.pixelsPerCell;
    const int centreBlock = centre / 8;
    const int half = (zoom.blockStep * size / blockPixels) / 2;
    BlockRange range;
    range.edge = centreBlock - half;
    range.first = range.edge >= 1 ? range.edge - 1 : 0;
    range.end = centreBlock + half >= blocks ? blocks : centreBlock + half + 1;
    // The last block drawn must reach the far edge; when the whole blocks across are
    // odd at positive zoom levels it stops one block short.
    if (range.end < blocks && range.end > range.first) {
        const int steps = (range.end - 1 - range.first) / zoom.blockStep;
        const int last = range.first + steps * zoom.blockStep;
        const long long farEdge =
            static_cast<long long>(blockPixels) * ((last - range.edge) / zoom.blockStep) +
            blockPixels;
        if (farEdge < size) {
            ++range.end;
        }
    }
    return range;
}

}  // namespace kaj::terrain
