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
    // Each text folded once; the sort then compares folded bytes, and equal ones keep
    // their order through their places.
    std::vector<std::pair<std::string, std::size_t>> keys(texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        platform::foldAsciiCaseInto(keys[i].first, texts[i]);
        keys[i].second = i;
    }
    std::sort(keys.begin(), keys.end());
    std::vector<std::string> sorted;
    sorted.reserve(texts.size());
    for (const auto& key : keys) {
        sorted.push_back(std::move(texts[key.second]));
    }
    texts = std::move(sorted);
    const auto middle = static_cast<std::ptrdiff_t>(list.size());
    list.insert(list.end(), std::make_move_iterator(texts.begin()),
                std::make_move_iterator(texts.end()));
    std::inplace_merge(list.begin(), list.begin() + middle, list.end(),
                       platform::lessIgnoringAsciiCase);
}

}  // namespace kaj::common
