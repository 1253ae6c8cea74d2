#include "CatalogueState.h"

#include "SortedTextList.h"

namespace kaj::catalogue {

void addItemRecords(std::vector<std::string>& sortedList, std::vector<std::string> records) {
    common::insertAllSorted(sortedList, std::move(records));
}

}  // namespace kaj::catalogue
