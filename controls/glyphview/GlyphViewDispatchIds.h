#pragma once

namespace kaj::glyph {

// The dispatch ids of _DGlyphView, the art control's interface; the control and
// every host use these.
namespace dispid {
constexpr int kArtType = 1;
constexpr int kArtIndex = 2;
constexpr int kArtColor = 3;
constexpr int kSetObject = 4;
}  // namespace dispid

}  // namespace kaj::glyph
