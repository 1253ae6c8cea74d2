#include "TravelState.h"

namespace kaj::travel {

void TravelState::clear() {
    ListFullMap.clear();
    tvwMap.clear();
}

}  // namespace kaj::travel
