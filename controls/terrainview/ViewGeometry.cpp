#include "ViewGeometry.h"

#include <algorithm>

namespace kaj::terrain {

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
