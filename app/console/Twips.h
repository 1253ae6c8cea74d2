#pragma once

namespace kaj::console {

// Window positions and sizes are stored in twips; fifteen make one pixel.
constexpr int kTwipsPerPixel = 15;

}  // namespace kaj::console
