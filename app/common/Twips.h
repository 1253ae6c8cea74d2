#pragma once

namespace kaj::common {

// Window positions and sizes are stored in twips; fifteen make one pixel.
constexpr int kTwipsPerPixel = 15;

}  // namespace kaj::common
