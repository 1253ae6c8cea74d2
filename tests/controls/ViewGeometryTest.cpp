#include <gtest/gtest.h>

#include "ViewGeometry.h"

namespace kaj::terrain {
namespace {

// How many pixels one cell takes above zoom 0, or how many cells one pixel spans
// below it, level by level.
struct ZoomScale {
    std::int16_t zoom;
    int pixelsPerCell;
    int cellsPerPixel;
};
constexpr ZoomScale kScales[] = {
    {-4, 1, 16}, {-3, 1, 8}, {-2, 1, 4}, {-1, 1, 2}, {0, 1, 1},   {1, 2, 1},   {2, 4, 1},
    {3, 8, 1},   {4, 16, 1}, {5, 32, 1}, {6, 64, 1}, {7, 128, 1}, {8, 256, 1},
};

constexpr int kCentre = 3000;
constexpr int kMiddle = 200;

TEST(ViewGeometry, PixelsBecomeCellsAtEveryZoomAroundTheMiddle) {
    for (const auto& s : kScales) {
        SCOPED_TRACE(s.zoom);
        EXPECT_EQ(controlToCell(s.zoom, kCentre, kMiddle, kMiddle), kCentre);
        // One cell's width of pixels to the right is the next cell (or several).
        EXPECT_EQ(controlToCell(s.zoom, kCentre, kMiddle, kMiddle + s.pixelsPerCell),
                  kCentre + s.cellsPerPixel);
        EXPECT_EQ(controlToCell(s.zoom, kCentre, kMiddle, kMiddle - 3 * s.pixelsPerCell),
                  kCentre - 3 * s.cellsPerPixel);
        // A pixel inside a wide cell belongs to it; the division truncates toward the
        // middle on both sides.
        if (s.pixelsPerCell > 1) {
            EXPECT_EQ(controlToCell(s.zoom, kCentre, kMiddle, kMiddle + s.pixelsPerCell - 1),
                      kCentre);
            EXPECT_EQ(controlToCell(s.zoom, kCentre, kMiddle, kMiddle - s.pixelsPerCell + 1),
                      kCentre);
        }
    }
}

TEST(ViewGeometry, CellsBecomePixelsAtEveryZoomAndComeBackWhole) {
    for (const auto& s : kScales) {
        SCOPED_TRACE(s.zoom);
        EXPECT_EQ(cellToControl(s.zoom, kCentre, kMiddle, kCentre), kMiddle);
        EXPECT_EQ(cellToControl(s.zoom, kCentre, kMiddle, kCentre + s.cellsPerPixel),
                  kMiddle + s.pixelsPerCell);
        EXPECT_EQ(cellToControl(s.zoom, kCentre, kMiddle, kCentre - 5 * s.cellsPerPixel),
                  kMiddle - 5 * s.pixelsPerCell);
        // Cells between two pixels' worth fall to the pixel nearer the middle.
        if (s.cellsPerPixel > 1) {
            EXPECT_EQ(cellToControl(s.zoom, kCentre, kMiddle, kCentre + s.cellsPerPixel - 1),
                      kMiddle);
            EXPECT_EQ(cellToControl(s.zoom, kCentre, kMiddle, kCentre - s.cellsPerPixel + 1),
                      kMiddle);
        }
        for (int step = -4; step <= 4; ++step) {
            const auto cell = static_cast<std::int16_t>(kCentre + step * s.cellsPerPixel);
            EXPECT_EQ(controlToCell(s.zoom, kCentre, kMiddle,
                                    cellToControl(s.zoom, kCentre, kMiddle, cell)),
                      cell);
        }
    }
}

TEST(ViewGeometry, TheMiddleRoundsHalvesDownAndResultsAreCutTo16Bits) {
    EXPECT_EQ(controlMiddle(0, 401), 200);
    EXPECT_EQ(controlMiddle(0, 400), 200);
    EXPECT_EQ(controlMiddle(10, 5), 12);
    // Far off the map at the widest zoom the value wraps as a 16-bit integer would.
    EXPECT_EQ(controlToCell(-4, 6000, 0, 32000), static_cast<std::int16_t>(6000 + 32000 * 16));
    EXPECT_EQ(cellToControl(8, 0, 0, 6000), static_cast<std::int16_t>(6000 * 256));
}

TEST(ViewGeometry, CentringAcceptsOnlyCellsOfTheWorldAndTellsWhetherItMoved) {
    MapView view;
    EXPECT_TRUE(centreView(view, 100, 200));
    EXPECT_EQ(view.xCenter, 100);
    EXPECT_EQ(view.yCenter, 200);
    EXPECT_FALSE(centreView(view, 100, 200));
    EXPECT_FALSE(centreView(view, -1, 10));
    EXPECT_FALSE(centreView(view, 10, kWorldHeight));
    EXPECT_FALSE(centreView(view, kClassicWorldWidth, 10));
    EXPECT_TRUE(centreView(view, kClassicWorldWidth - 1, kWorldHeight - 1));
    EXPECT_EQ(view.xCenter, kClassicWorldWidth - 1);

    EXPECT_TRUE(setViewCentreX(view, 0));
    EXPECT_FALSE(setViewCentreX(view, 0));
    EXPECT_FALSE(setViewCentreX(view, kClassicWorldWidth));
    EXPECT_TRUE(setViewCentreY(view, 0));
    EXPECT_FALSE(setViewCentreY(view, -5));
    EXPECT_EQ(view.xCenter, 0);
    EXPECT_EQ(view.yCenter, 0);
}

TEST(ViewGeometry, ScrollingMovesByDirectionAndStopsAtTheEdges) {
    struct Row {
        std::int16_t direction;
        int dx;
        int dy;
    };
    const Row rows[] = {{0, 0, -1}, {1, 1, -1}, {2, 1, 0},  {3, 1, 1},
                        {4, 0, 1},  {5, -1, 1}, {6, -1, 0}, {7, -1, -1}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.direction);
        MapView view;
        view.xCenter = 1000;
        view.yCenter = 1000;
        EXPECT_TRUE(scrollView(view, row.direction, 10));
        EXPECT_EQ(view.xCenter, 1000 + 10 * row.dx);
        EXPECT_EQ(view.yCenter, 1000 + 10 * row.dy);
    }
    MapView view;
    view.xCenter = 5;
    view.yCenter = kWorldHeight - 5;
    EXPECT_TRUE(scrollView(view, 5, 100));
    EXPECT_EQ(view.xCenter, 0);
    EXPECT_EQ(view.yCenter, kWorldHeight - 1);
    EXPECT_TRUE(scrollView(view, 1, -20000));  // a negative distance goes the other way
    EXPECT_EQ(view.xCenter, 0);
    EXPECT_EQ(view.yCenter, kWorldHeight - 1);
    EXPECT_FALSE(scrollView(view, 8, 10));
    EXPECT_FALSE(scrollView(view, -1, 10));
    EXPECT_FALSE(scrollView(view, 2, 0));
}

TEST(ViewGeometry, ZoomStepsStopAtTheOutermostLevels) {
    MapView view;
    view.zoom = kHighestZoom - 1;
    EXPECT_TRUE(zoomViewIn(view));
    EXPECT_FALSE(zoomViewIn(view));
    EXPECT_EQ(view.zoom, kHighestZoom);
    view.zoom = kLowestZoom + 1;
    EXPECT_TRUE(zoomViewOut(view));
    EXPECT_FALSE(zoomViewOut(view));
    EXPECT_EQ(view.zoom, kLowestZoom);
}

}  // namespace
}  // namespace kaj::terrain
