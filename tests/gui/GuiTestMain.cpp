#include <gtest/gtest.h>

#include <QApplication>

#include "QtFonts.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef _WIN32
    // The offscreen platform reads its fonts from one folder on Windows: the
    // test runner's, else the system's.
    if (!qEnvironmentVariableIsSet("QT_QPA_FONTDIR")) {
        const QByteArray given = qgetenv("KAJ_TEST_FONT_FOLDER");
        qputenv("QT_QPA_FONTDIR", given.isEmpty() ? qgetenv("WINDIR") + "\\Fonts" : given);
    }
#endif
    QApplication app(argc, argv);
    kaj::platform::useSystemInterfaceFont();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
