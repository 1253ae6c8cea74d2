#pragma once

#include "ControlEntryPoints.h"

namespace kaj::terrain {
constexpr const char* kControlProgramId = "TERRAINVIEW.TerrainViewCtrl.1";
constexpr const char* kPropertyPageProgramId = "TERRAINVIEW.TerrainViewPropPage.1";
using controls::kClassFailed;
using controls::kStillInUse;
using controls::kSucceeded;
}  // namespace kaj::terrain
