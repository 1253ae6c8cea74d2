#include "QtText.h"

#include "Cp1252.h"

namespace kaj::platform {

QString fromCp1252(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (char c : bytes) {
        text.append(QChar(static_cast<char16_t>(cp1252ToUnicode(static_cast<unsigned char>(c)))));
    }
    return text;
}

std::string toCp1252(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (QChar c : text) {
        const auto byte = unicodeToCp1252(c.unicode());
        bytes.push_back(byte ? static_cast<char>(*byte) : '?');
    }
    return bytes;
}

QString fromPathText(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string toPathText(const QString& text) {
    return text.toStdString();
}

}  // namespace kaj::platform
