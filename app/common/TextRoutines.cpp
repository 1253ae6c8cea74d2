#include "TextRoutines.h"

#include "AsciiCase.h"

namespace kaj::common {
namespace {

char upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

std::string_view leadingBlanksTrimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

std::string trimLeadingBlanks(std::string_view text) {
    return std::string(leadingBlanksTrimmed(text));
}

std::string_view trimmedOf(std::string_view text, std::string_view blanks) {
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

std::string trimBlanks(std::string_view text) {
    return std::string(trimmedOf(text, " "));
}

std::vector<std::string_view> splitAt(std::string_view text, char separator) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find(separator, start);
        fields.emplace_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) {
            return fields;
        }
        start = end + 1;
    }
}

std::string toUpperAscii(std::string_view text) {
    std::string out(text);
    for (auto& c : out) {
        c = upper(c);
    }
    return out;
}

std::optional<std::string> ValueOf(std::string_view line) {
    if (const std::size_t equals = line.find('='); equals != std::string_view::npos) {
        return trimBlanks(line.substr(equals + 1));
    }
    if (const std::size_t blank = line.find(' '); blank != std::string_view::npos) {
        return trimBlanks(line.substr(blank));
    }
    return std::nullopt;
}

std::string ExtractPacked(std::string_view text, int n) {
    for (int i = 1; i < n; ++i) {
        const std::size_t bar = text.find('|');
        if (bar == std::string_view::npos) {
            break;
        }
        text.remove_prefix(bar + 1);
    }
    if (!text.empty() && text.front() == '|') {
        return "1";
    }
    return trimBlanks(text.substr(0, text.find('|')));
}

std::string ReplaceAll(std::string text, std::string_view search, std::string_view replacement) {
    if (search.empty()) {
        return text;
    }
    // A replacement that holds the search text would never let the loop end; such
    // a call replaces each occurrence once, left to right.
    if (platform::findIgnoringAsciiCase(replacement, search) != std::string_view::npos) {
        std::string out;
        std::size_t from = 0;
        for (std::size_t at = platform::findIgnoringAsciiCase(text, search);
             at != std::string_view::npos;
             at = platform::findIgnoringAsciiCase(std::string_view(text).substr(from), search)) {
            at += from;
            out.append(text, from, at - from);
            out.append(replacement);
            from = at + search.size();
        }
        out.append(text, from);
        return out;
    }
    for (std::size_t at = platform::findIgnoringAsciiCase(text, search);
         at != std::string_view::npos; at = platform::findIgnoringAsciiCase(text, search)) {
        text.replace(at, search.size(), replacement);
    }
    return text;
}

std::string GetPath(std::string_view path) {
    const std::size_t separator = path.find_last_of("\\/");
    if (separator == std::string_view::npos) {
        return {};
    }
    return std::string(path.substr(0, separator + 1));
}

}  // namespace kaj::common
