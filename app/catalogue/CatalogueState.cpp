#include "CatalogueState.h"

#include <algorithm>

#include "AsciiCase.h"

namespace kaj::catalogue {

void addItemRecords(std::vector<std::string>& sortedList, std::vector<std::string> records) {
    if (records.empty()) {
        return;
    }
    std::stable_sort(records.begin(), records.end(), platform::lessIgnoringAsciiCase);
    const auto middle = static_cast<std::ptrdiff_t>(sortedList.size());
    sortedList.insert(sortedList.end(), std::make_move_iterator(records.begin()),
                      std::make_move_iterator(records.end()));
    std::inplace_merge(sortedList.begin(), sortedList.begin() + middle, sortedList.end(),
                       platform::lessIgnoringAsciiCase);
}

}  // namespace kaj::catalogue
