#pragma once

#include "ControlEntryPoints.h"

namespace kaj::glyph {
constexpr const char* kControlProgramId = "GLYPHVIEW.GlyphViewCtrl.1";
constexpr const char* kPropertyPageProgramId = "GLYPHVIEW.GlyphViewPropPage.1";
using controls::kClassFailed;
using controls::kStillInUse;
using controls::kSucceeded;
}  // namespace kaj::glyph
