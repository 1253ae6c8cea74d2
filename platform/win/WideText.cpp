#include "WideText.h"

#include <windows.h>

#include "Cp1252.h"

namespace kaj::platform {

std::string wideToUtf8(std::wstring_view text) {
    if (text.empty()) {
        return {};
    }
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size,
                        nullptr, nullptr);
    return out;
}

std::wstring utf8ToWide(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    const int size =
        MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size);
    return out;
}

std::wstring cp1252ToWide(std::string_view text) {
    return utf8ToWide(cp1252ToUtf8(std::string(text)));
}

std::string wideToCp1252(std::wstring_view text) {
    std::string out;
    for (wchar_t c : text) {
        const auto byte = unicodeToCp1252(static_cast<char32_t>(c));
        out.push_back(byte ? static_cast<char>(*byte) : '?');
    }
    return out;
}

}  // namespace kaj::platform
