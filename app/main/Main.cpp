// The program's entry: one console per desktop login.
#include <QApplication>

#include "ConsoleFolder.h"
#include "QtDialogs.h"
#include "QtFonts.h"
#include "Registry.h"
#include "Shell.h"
#include "SingleInstance.h"
#include "SystemDesktopInput.h"
#include "frmMenu.h"

int main(int argc, char** argv) {
    auto desktop = kaj::platform::makeSystemDesktopInput();
    kaj::platform::SingleInstance instance(std::string("kajmar-console"));
    if (!instance.isFirst()) {
        desktop->activateWindow("Kajmar Console");
        return 0;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName("Kajmar Console");
    kaj::platform::useSystemInterfaceFont();
    kaj::platform::QtDialogs dialogs;
    auto shell = kaj::platform::makeSystemShell();
    auto registry = kaj::platform::makeSystemRegistry();
    const std::filesystem::path programFolder =
        QCoreApplication::applicationDirPath().toStdWString();
    const auto folder = kaj::platform::chooseConsoleFolder(programFolder);

    kaj::console::frmMenu menu(
        {dialogs, *desktop, *shell, *registry, folder.path,
         kaj::platform::controlLibraryFolder(programFolder, KAJ_PACKAGED_LIBRARIES),
         kaj::platform::newConsoleFolderNote(folder)});
    dialogs.setParent(&menu);
    menu.Form_Load();
    menu.show();
    return app.exec();
}
