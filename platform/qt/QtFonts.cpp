#include "QtFonts.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QSettings>
#include <QStringList>

namespace kaj::platform {

void useSystemInterfaceFont() {
#ifdef _WIN32
    QFont font = QApplication::font();
    const QSettings substitutes(
        "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes",
        QSettings::NativeFormat);
    const QStringList families = QFontDatabase::families();
    const bool logical = substitutes.contains(font.family());
    if (!logical && families.contains(font.family(), Qt::CaseInsensitive)) {
        return;
    }
    const QStringList candidates{substitutes.value(font.family()).toString(),
                                 "Segoe UI",
                                 "Tahoma",
                                 "DejaVu Sans",
                                 "Liberation Sans",
                                 "Arial"};
    for (const QString& family : candidates) {
        if (!family.isEmpty() && families.contains(family, Qt::CaseInsensitive)) {
            font.setFamily(family);
            QApplication::setFont(font);
            return;
        }
    }
#endif
}

}  // namespace kaj::platform
