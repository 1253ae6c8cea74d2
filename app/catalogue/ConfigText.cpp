#include "ConfigText.h"

#include "AsciiCase.h"
#include "TextRoutines.h"

namespace kaj::catalogue {

bool containsIgnoringCase(std::string_view text, std::string_view part) {
    return platform::findIgnoringAsciiCase(text, part) != std::string_view::npos;
}

std::string deleteEvery(std::string_view text, std::string_view word) {
    if (word.empty()) {
        return std::string(text);
    }
    std::string out;
    out.reserve(text.size());
    std::size_t from = 0;
    for (std::size_t at = text.find(word); at != std::string_view::npos;
         at = text.find(word, from)) {
        out.append(text.substr(from, at - from));
        from = at + word.size();
    }
    out.append(text.substr(from));
    return out;
}

std::vector<std::string_view> splitFields(std::string_view record) {
    return common::splitAt(record, '|');
}

std::string_view fieldOr(const std::vector<std::string_view>& fields, std::size_t n) {
    return n < fields.size() ? fields[n] : std::string_view();
}

}  // namespace kaj::catalogue
