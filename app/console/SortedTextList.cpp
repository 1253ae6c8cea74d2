#include "SortedTextList.h"

#include <algorithm>

#include "AsciiCase.h"

namespace kaj::console {

std::size_t insertSorted(std::vector<std::string>& list, std::string text) {
    const auto at =
        std::upper_bound(list.begin(), list.end(), text, platform::lessIgnoringAsciiCase);
    const auto index = static_cast<std::size_t>(at - list.begin());
    list.insert(at, std::move(text));
    return index;
}

}  // namespace kaj::console
