// The program started on folders where a file it reads at start-up is a folder, a
// FIFO or a dangling link of that name: it starts, and says what it says when the
// file is missing (or, for Kaj.ini, that it cannot be read).
#include <gtest/gtest.h>

#include "MenuHarness.h"
#include "OddEntry.h"
#include "frmProgresswindow.h"

namespace kaj::console {
namespace {

using kaj::testing::MenuHarness;
using kaj::testing::OddEntry;
using kaj::testing::oddEntryName;
using kaj::testing::putOddEntry;
using kaj::testing::TempFolder;

// What a start-up showed: its messages and its progress lines, with the folder's
// own name taken out.
std::vector<std::string> startUp(bool fromServer, const char* file, OddEntry odd) {
    MenuHarness h;
    const TempFolder server;
    server.write("config/itemdesc.cfg", "Item 0x1\n{\n\tName\tstone\n}\n");
    server.write("config/npcdesc.cfg", "NpcTemplate orc\n{\n\tName\torc\n}\n");
    server.write("pkg/tools/pkg.cfg", "Enabled 1\nName tools\n");
    server.write("pkg/tools/itemdesc.cfg", "Item 0x2\n{\n}\n");
    h.folder.write("Kaj.ini",
                   "LOADSCRIPTS=1\r\nUSEKAJSCRIPTS=" + std::string(fromServer ? "0" : "1") +
                       "\r\nPOLPATH=" + server.path().string() + "/\r\n");
    h.folder.write("KajItems.scp", "# Category = A\r\n- Section = B\r\nstone|0x1|0x1\r\n");
    h.folder.write("KajItems2.scp", "# Category = C\r\n- Section = D\r\nmark|0x2|0x2\r\n");
    h.folder.write("KajChar.scp", "Town|Guards|guard|0x190|0\r\n");
    h.folder.write("KajMap.scp", "Towns|Britain|Bank|1434|1699|0\r\n");
    const bool inServer = fromServer && std::string(file).find('/') != std::string::npos;
    EXPECT_TRUE(putOddEntry((inServer ? server.path() : h.folder.path()) / file, odd));
    auto& menu = h.open();
    std::vector<std::string> shown = h.dialogs.messages;
    for (const auto& line : menu.progressWindow()->lines()) {
        shown.push_back(line.toStdString());
    }
    shown.push_back(std::to_string(menu.state().catalogue.ListFullItem.size()) + " items, " +
                    std::to_string(menu.state().catalogue.ListFullChar.size()) + " npcs, " +
                    std::to_string(menu.state().travel.ListFullMap.size()) + " places");
    for (auto& text : shown) {
        for (const auto* folder : {&h.folder.path(), &server.path()}) {
            for (std::size_t at; (at = text.find(folder->string())) != std::string::npos;) {
                text.replace(at, folder->string().size(), "DIR");
            }
        }
    }
    return shown;
}

TEST(OddEntriesWindows, FilesReadAtStartUpThatAreNoRegularFilesCountAsMissing) {
    const struct {
        bool fromServer;
        const char* file;
    } cases[] = {{false, "Kaj.ini"},
                 {false, "KajItems.scp"},
                 {false, "KajItems2.scp"},
                 {false, "KajChar.scp"},
                 {false, "KajMap.scp"},
                 {true, "config/itemdesc.cfg"},
                 {true, "config/npcdesc.cfg"},
                 {true, "pkg/tools/pkg.cfg"},
                 {true, "pkg/tools/itemdesc.cfg"}};
    for (const auto& c : cases) {
        const auto missing = startUp(c.fromServer, c.file, OddEntry::Missing);
        for (OddEntry odd : kaj::testing::oddEntriesOfThisSystem()) {
            SCOPED_TRACE(std::string(c.file) + " as " + oddEntryName(odd));
            auto expected = missing;
            // Something named Kaj.ini that is there but no file is named as unreadable.
            if (std::string(c.file) == "Kaj.ini" && odd != OddEntry::DanglingLink) {
                expected[0] = "Kaj.ini could not be read: " +
                              (std::filesystem::path("DIR") / "Kaj.ini").string();
            }
            EXPECT_EQ(startUp(c.fromServer, c.file, odd), expected);
        }
    }
}

}  // namespace
}  // namespace kaj::console
