#include "SortedTextList.h"

#include <algorithm>

#include "AsciiCase.h"

namespace kaj::common {

std::size_t insertSorted(std::vector<std::string>& list, std::string text) {
    const auto at =
        std::upper_bound(list.begin(), list.end(), text, platform::lessIgnoringAsciiCase);
    const auto index = static_cast<std::size_t>(at - list.begin());
    list.insert(at, std::move(text));
    return index;
}

void insertAllSorted(std::vector<std::string>& list, std::vector<std::string> texts) {
    if (texts.empty()) {
        return;
    }
    std::stable_sort(texts.begin(), texts.end(), platform::lessIgnoringAsciiCase);
    const auto middle = static_cast<std::ptrdiff_t>(list.size());
    list.insert(list.end(), std::make_move_iterator(texts.begin()),
                std::make_move_iterator(texts.end()));
    std::inplace_merge(list.begin(), list.begin() + middle, list.end(),
                       platform::lessIgnoringAsciiCase);
}

}  // namespace kaj::common
