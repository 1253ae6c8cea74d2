#pragma once

namespace kaj::terrain {

// The dispatch ids of _DTerrainView, the map control's interface; the control and
// every host use these.
namespace dispid {
enum : int {
    kZoomLevel = 1,
    kXCenter,
    kYCenter,
    kDrawStatics,
    kZoomIn,
    kZoomOut,
    kSetCenter,
    kScroll,
    kCtrlToMap,
    kMapToCtrl,
    kGetCenter,
    kCtrlToMapX,
    kCtrlToMapY,
    kMapToCtrlX,
    kMapToCtrlY,
    kGetMapHeight,
    kMapWidth,  // read only: the world's width in cells
};
}  // namespace dispid

}  // namespace kaj::terrain
