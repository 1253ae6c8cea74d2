#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace kaj::common {

// The rule of the sorted hidden lists: a text goes to its place in ascending order,
// ASCII letter case ignored, after the equal texts already there. Returns its index.
std::size_t insertSorted(std::vector<std::string>& list, std::string text);
// The same for many texts at once, in their order: as if inserted one by one.
void insertAllSorted(std::vector<std::string>& list, std::vector<std::string> texts);

}  // namespace kaj::common
