// Folders named in other scripts than Latin: typed into the Setup tab, saved in
// Kaj.ini, shown again at the next start and found there, on Linux and Windows.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>

#include <fstream>

#include "ControlRegistry.h"
#include "MenuHarness.h"
#include "PathText.h"
#include "frmCreateItem.h"

namespace kaj::testing {
namespace {

struct NamedFolder {
    const char* description;
    const char* name;  // UTF-8
};

const NamedFolder kFolders[] = {
    {"Western", "Jeux d'\xC3\xA9t\xC3\xA9 \xC3\xBC"},                  // Jeux d'été ü
    {"Cyrillic", "\xD0\x90\xD0\xBD\xD0\xB4\xD1\x80\xD0\xB5\xD0\xB9"},  // Андрей
    {"Polish", "Gry \xC5\x81\xC3\xB3\x64\xC5\xBA"},                    // Gry Łódź
};

std::string withSeparator(const std::filesystem::path& folder) {
    return platform::textOfPath(folder) +
           static_cast<char>(std::filesystem::path::preferred_separator);
}

void writeFile(const std::filesystem::path& file, const std::string& bytes) {
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
}

// Key by key, as a keyboard of that script would give the letters.
void type(QLineEdit* box, const std::string& utf8) {
    box->clear();
    for (const QChar letter : QString::fromStdString(utf8)) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(letter));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(letter));
        QCoreApplication::sendEvent(box, &press);
        QCoreApplication::sendEvent(box, &release);
    }
}

TEST(FolderNames, PolAndClientFoldersAreSavedReadBackAndFoundWhateverTheirLetters) {
    for (const auto& named : kFolders) {
        SCOPED_TRACE(named.description);
        TempFolder root;
        const auto folder = root.path() / platform::pathFromText(named.name);
        const auto pol = folder / "pol";
        const auto client = folder / "ClassicUO";
        std::filesystem::create_directories(client);
        writeFile(pol / "config" / "itemdesc.cfg", "Item 0x1\n{\n\tName stone\n}\n");

        MenuHarness h;
        h.folder.write("Kaj.ini", "LOADSCRIPTS=0\r\nUSEKAJSCRIPTS=0\r\n");
        auto& menu = h.open();
        type(menu.setupPage()->txtConfigPOLDir, withSeparator(pol));
        type(menu.setupPage()->txtConfigUODir, withSeparator(client));
        h.find<QPushButton>("cmdSetupSaveConfig")->click();
        const std::string saved = TempFolder::read(h.folder / "Kaj.ini");
        EXPECT_NE(saved.find("POLPATH=" + withSeparator(pol) + "\r\n"), std::string::npos) << saved;
        EXPECT_NE(saved.find("UOPATH=" + withSeparator(client) + "\r\n"), std::string::npos);
        h.close();

        auto& again = h.open();
        EXPECT_EQ(again.setupPage()->txtConfigPOLDir->text().toStdString(), withSeparator(pol));
        EXPECT_EQ(again.setupPage()->txtConfigUODir->text().toStdString(), withSeparator(client));
        const auto& chosenClient = controls::ControlRegistry::instance().clientFolder();
        EXPECT_EQ(platform::textOfPath(chosenClient), withSeparator(client));
        EXPECT_TRUE(std::filesystem::is_directory(chosenClient));
        again.createItemWindow()->findChild<QPushButton*>("cmdLoadItems")->click();
        EXPECT_EQ(again.state().catalogue.ListFullItem,
                  std::vector<std::string>{"Items|Misc|stone|0x1|0x1|0"});
    }
}

TEST(FolderNames, AnOlderKajIniInWindows1252StillNamesItsFolder) {
    TempFolder root;
    const auto pol = root.path() / platform::pathFromText("Serveur \xC3\xA9t\xC3\xA9");
    writeFile(pol / "config" / "itemdesc.cfg", "Item 0x2\n{\n\tName saw\n}\n");
    // The folder's name as the older console wrote it: é as the single byte 0xE9.
    const std::string olderText = platform::textOfPath(root.path()) + "/Serveur \xE9t\xE9/";

    MenuHarness h;
    h.folder.write("Kaj.ini", "LOADSCRIPTS=0\r\nUSEKAJSCRIPTS=0\r\nPOLPATH=" + olderText + "\r\n");
    auto& menu = h.open();
    EXPECT_EQ(
        menu.setupPage()->txtConfigPOLDir->text(),
        QString::fromStdString(platform::textOfPath(root.path()) + "/Serveur \xC3\xA9t\xC3\xA9/"));
    menu.createItemWindow()->findChild<QPushButton*>("cmdLoadItems")->click();
    EXPECT_EQ(menu.state().catalogue.ListFullItem,
              std::vector<std::string>{"Items|Misc|saw|0x2|0x2|0"});
}

}  // namespace
}  // namespace kaj::testing
