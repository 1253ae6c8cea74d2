#include "QtFileFilter.h"

#include <vector>

namespace kaj::platform {
namespace {

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string_view::npos) {
            return parts;
        }
        start = end + 1;
    }
}

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string qtPatterns(std::string_view patterns) {
    std::string result;
    for (const std::string_view part : split(patterns, ';')) {
        const std::string_view pattern = trimmed(part);
        if (pattern.empty()) {
            continue;
        }
        result += result.empty() ? "" : " ";
        result += pattern == "*.*" ? std::string_view("*") : pattern;
    }
    return result.empty() ? "*" : result;
}

}  // namespace

std::string qtFileFilter(std::string_view commonDialogFilter) {
    if (commonDialogFilter.find('|') == std::string_view::npos) {
        return std::string(commonDialogFilter);
    }
    const auto parts = split(commonDialogFilter, '|');
    std::string result;
    for (std::size_t i = 0; i < parts.size(); i += 2) {
        const std::string_view description = trimmed(parts[i]);
        const std::string_view patterns = i + 1 < parts.size() ? parts[i + 1] : "";
        if (description.empty() && trimmed(patterns).empty()) {
            continue;  // the old form's closing bar
        }
        result += result.empty() ? "" : ";;";
        result += std::string(description.empty() ? std::string_view("Files") : description);
        result += " (" + qtPatterns(patterns) + ")";
    }
    return result;
}

}  // namespace kaj::platform
