#include "ConfigText.h"

#include <algorithm>

#include "TextFile.h"

namespace kaj::catalogue {
namespace {

char foldAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

std::optional<std::vector<std::string>> readServerConfigLines(const std::filesystem::path& file) {
    auto lines = platform::readTextLines(file);
    if (lines) {
        for (auto& line : *lines) {
            std::replace(line.begin(), line.end(), '\t', ' ');
        }
    }
    return lines;
}

std::size_t findIgnoringCase(std::string_view text, std::string_view part) {
    if (part.size() > text.size()) {
        return std::string_view::npos;
    }
    const auto found = std::search(text.begin(), text.end(), part.begin(), part.end(),
                                   [](char a, char b) { return foldAscii(a) == foldAscii(b); });
    return found == text.end() && !part.empty() ? std::string_view::npos
                                                : static_cast<std::size_t>(found - text.begin());
}

bool containsIgnoringCase(std::string_view text, std::string_view part) {
    return findIgnoringCase(text, part) != std::string_view::npos;
}

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(),
                      [](char a, char b) { return foldAscii(a) == foldAscii(b); });
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

std::string trimLeadingBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string() : std::string(text.substr(first));
}

std::vector<std::string_view> splitFields(std::string_view record) {
    std::vector<std::string_view> fields;
    std::size_t from = 0;
    for (std::size_t bar = record.find('|'); bar != std::string_view::npos;
         bar = record.find('|', from)) {
        fields.push_back(record.substr(from, bar - from));
        from = bar + 1;
    }
    fields.push_back(record.substr(from));
    return fields;
}

std::string_view fieldOr(const std::vector<std::string_view>& fields, std::size_t n) {
    return n < fields.size() ? fields[n] : std::string_view();
}

}  // namespace kaj::catalogue
