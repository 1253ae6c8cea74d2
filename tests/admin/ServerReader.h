#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "TempFolder.h"

namespace kaj::testing {

// What the POL server reads of a configuration file, written apart from the
// console's own reader: elements (a type line, a line starting with "{", property
// lines up to a "}" key), each property's values in file order under its key in
// lower case. Comments ("#", "//") and empty lines are not read.
struct ServerElement {
    std::string type;
    std::map<std::string, std::vector<std::string>> values;

    // The value the server takes for a key it reads once.
    std::optional<std::string> first(const std::string& key) const {
        const auto found = values.find(key);
        if (found == values.end() || found->second.empty()) {
            return std::nullopt;
        }
        return found->second.front();
    }
};

inline std::pair<std::string, std::string> serverSplit(std::string line) {
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    const auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    std::size_t start = 0;
    while (start < line.size() && isSpace(line[start])) {
        ++start;
    }
    if (start == line.size()) {
        return {};
    }
    std::size_t end = start + 1;
    while (end < line.size() && !isSpace(line[end]) && line[end] != '=') {
        ++end;
    }
    std::string key = line.substr(start, end - start);
    if (end >= line.size()) {
        return {key, ""};
    }
    std::size_t valueStart = end + 1;
    while (valueStart < line.size() && isSpace(line[valueStart])) {
        ++valueStart;
    }
    std::size_t valueEnd = line.size();
    while (valueEnd > valueStart && isSpace(line[valueEnd - 1])) {
        --valueEnd;
    }
    return {key, line.substr(valueStart, valueEnd - valueStart)};
}

inline std::vector<std::string> serverLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    std::string text = bytes.starts_with("\xEF\xBB\xBF") ? bytes.substr(3) : bytes;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        lines.push_back(
            text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) {
            break;
        }
        start = end + 1;
    }
    return lines;
}

inline std::string lower(std::string text) {
    for (auto& c : text) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return text;
}

inline bool isComment(const std::string& key) {
    return key.starts_with("#") || key.starts_with("//");
}

// The elements of a file of elements (accounts.txt, cmds.cfg).
inline std::vector<ServerElement> readServerElements(const std::string& bytes) {
    std::vector<ServerElement> elements;
    const auto lines = serverLines(bytes);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto [type, rest] = serverSplit(lines[i]);
        if (type.empty() || isComment(type)) {
            continue;
        }
        ServerElement element{type, {}};
        ++i;  // the "{" line
        for (++i; i < lines.size(); ++i) {
            const auto [key, value] = serverSplit(lines[i]);
            if (key.empty() || isComment(key)) {
                continue;
            }
            if (key == "}") {
                break;
            }
            element.values[lower(key)].push_back(value);
        }
        elements.push_back(std::move(element));
    }
    return elements;
}

// The properties of a file without elements (pkg.cfg).
inline ServerElement readServerProperties(const std::string& bytes) {
    ServerElement element;
    for (const auto& line : serverLines(bytes)) {
        const auto [key, value] = serverSplit(line);
        if (!key.empty() && !isComment(key)) {
            element.values[lower(key)].push_back(value);
        }
    }
    return element;
}

}  // namespace kaj::testing
