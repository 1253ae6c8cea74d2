#include "ViewGeometry.h"

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

int controlMiddle(int origin, int size) {
    return (origin + origin + size) / 2;
}

std::int16_t controlToCell(std::int16_t zoom, int viewCentre, int middle, std::int16_t pixel) {
    const int scale = zoomParameters(zoom).scale;
    const long long offset = pixel - middle;
    const long long cells = zoom > 0 ? offset / scale : zoom == 0 ? offset : offset * scale;
    return static_cast<std::int16_t>(viewCentre + cells);
}

std::int16_t cellToControl(std::int16_t zoom, int viewCentre, int middle, std::int16_t cell) {
    const int scale = zoomParameters(zoom).scale;
    const long long offset = cell - viewCentre;
    const long long pixels = zoom > 0 ? offset * scale : zoom == 0 ? offset : offset / scale;
    return static_cast<std::int16_t>(pixels + middle);
}

bool setViewCentreX(MapView& view, std::int16_t x) {
    if (x == view.xCenter || x < 0 || x >= view.worldWidth) {
        return false;
    }
    view.xCenter = x;
    return true;
}

bool setViewCentreY(MapView& view, std::int16_t y) {
    if (y == view.yCenter || y < 0 || y >= kWorldHeight) {
        return false;
    }
    view.yCenter = y;
    return true;
}

bool centreView(MapView& view, std::int16_t x, std::int16_t y) {
    if ((x == view.xCenter && y == view.yCenter) || x < 0 || x >= view.worldWidth || y < 0 ||
        y >= kWorldHeight) {
        return false;
    }
    view.xCenter = x;
    view.yCenter = y;
    return true;
}

bool scrollView(MapView& view, std::int16_t direction, std::int16_t distance) {
    static constexpr int kSteps[8][2] = {{0, -1}, {1, -1}, {1, 0},  {1, 1},
                                         {0, 1},  {-1, 1}, {-1, 0}, {-1, -1}};
    if (direction < 0 || direction > 7) {
        return false;
    }
    const int dx = kSteps[direction][0] * distance;
    const int dy = kSteps[direction][1] * distance;
    if (dx == 0 && dy == 0) {
        return false;
    }
    view.xCenter = static_cast<std::int16_t>(std::clamp(view.xCenter + dx, 0, view.worldWidth - 1));
    view.yCenter = static_cast<std::int16_t>(std::clamp(view.yCenter + dy, 0, kWorldHeight - 1));
    return true;
}

bool zoomViewIn(MapView& view) {
    if (view.zoom >= kHighestZoom) {
        return false;
    }
    ++view.zoom;
    return true;
}

bool zoomViewOut(MapView& view) {
    if (view.zoom <= kLowestZoom) {
        return false;
    }
    --view.zoom;
    return true;
}

}  // namespace kaj::terrain
