#include "ListSearch.h"

#include "AsciiCase.h"

namespace kaj::admin {

ListSearch::ListSearch(std::string emptyListMessage)
    : emptyListMessage_(std::move(emptyListMessage)) {}

ListSearch::Outcome ListSearch::findFrom(const std::vector<std::string>& entries, int start) {
    for (int i = start; i < static_cast<int>(entries.size()); ++i) {
        if (platform::findIgnoringAsciiCase(entries[static_cast<std::size_t>(i)], text_) !=
            std::string::npos) {
            position_ = i + 1;
            return {i, {}};
        }
    }
    return {std::nullopt, kNoMatch};
}

ListSearch::Outcome ListSearch::search(const std::vector<std::string>& entries,
                                       const std::string& text) {
    if (entries.empty()) {
        return {std::nullopt, emptyListMessage_};
    }
    if (text.empty()) {
        return {std::nullopt, "Please type something in the search box"};
    }
    text_ = text;
    return findFrom(entries, 0);
}

ListSearch::Outcome ListSearch::searchAgain(const std::vector<std::string>& entries) {
    if (entries.empty()) {
        return {std::nullopt, emptyListMessage_};
    }
    if (position_ == 0) {
        return {std::nullopt, "You have not already searched for something"};
    }
    return findFrom(entries, position_);
}

}  // namespace kaj::admin
