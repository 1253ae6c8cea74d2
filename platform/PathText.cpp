#include "PathText.h"

#include "Cp1252.h"

namespace kaj::platform {

std::filesystem::path pathFromText(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string textOfPath(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::string pathInMessage(const std::filesystem::path& path) {
    return utf8ToCp1252(textOfPath(path));
}

bool isValidUtf8(std::string_view bytes) {
    while (!bytes.empty()) {
        const auto character = firstUtf8Character(bytes);
        if (!character) {
            return false;
        }
        bytes.remove_prefix(character->length);
    }
    return true;
}

std::string pathTextFromFile(std::string_view bytes) {
    return isValidUtf8(bytes) ? std::string(bytes) : cp1252ToUtf8(bytes);
}

}  // namespace kaj::platform
