// The real main window on a real X server: a place chosen on the Travel tab and
// "&Go" type the travel command into a fakeclient window with real key strokes.
#include <gtest/gtest.h>

#include <QCoreApplication>

#include "RecordingDialogs.h"
#include "Registry.h"
#include "Shell.h"
#include "TravelPage.h"
#include "frmMenu.h"

// Xlib's macros (None, Bool, ...) come after every Qt header.
#include "FakeClientProcess.h"
#include "X11DesktopInput.h"

namespace kaj::e2e {
namespace {

using kaj::testing::FakeClientProcess;
using kaj::testing::TempFolder;

class NoShell : public platform::Shell {
  public:
    bool open(const std::string&, const std::filesystem::path&) override { return false; }
};

TEST(TravelGoEndToEnd, APlaceAndGoArriveInTheClient) {
    TempFolder folder;
    folder.write("Kaj.ini", "USEKAJSCRIPTS=1\r\nSENDENTER=1\r\n");
    folder.write("KajMap.scp", "C=Towns\r\nS=Britain\r\nL=Bank\r\nP=1434,1699,0\r\n");
    platform::RecordingDialogs dialogs;
    platform::x11::X11DesktopInput desktop;
    NoShell shell;
    platform::WineRegistry registry(folder / "wine");
    FakeClientProcess client("Ultima Online");

    console::frmMenu menu({dialogs, desktop, shell, registry, folder.path(), KAJ_CONTROL_FOLDER});
    menu.Form_Load();
    menu.show();
    QCoreApplication::processEvents();
    auto* page = menu.travelPage();
    auto* node = page->tvwMap->findItems("Britain", Qt::MatchExactly | Qt::MatchRecursive).front();
    emit page->tvwMap->itemClicked(node, 0);
    ASSERT_EQ(page->ListLocation->topLevelItemCount(), 1);
    emit page->ListLocation->itemClicked(page->ListLocation->topLevelItem(0), 0);
    page->cmdTravelGoto->click();

    const std::string expected = "\n.goxyz 1434 1699 0\n";
    EXPECT_EQ(client.waitForLog(expected.size()), expected);
    EXPECT_TRUE(dialogs.messages.empty());
    menu.close();
}

}  // namespace
}  // namespace kaj::e2e
