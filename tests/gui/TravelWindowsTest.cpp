#include <gtest/gtest.h>

#include <cerrno>

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

#include "HostedControl.h"
#include "InjectedFileFault.h"
#include "MenuHarness.h"
#include "TerrainViewDispatchIds.h"
#include "TravelPage.h"
#include "ViewGeometry.h"
#include "frmAddLocation.h"
#include "frmMap.h"

namespace kaj::travel {
namespace {

using kaj::testing::MenuHarness;
using kaj::testing::TempFolder;
using Lines = std::vector<std::string>;
namespace dispid = terrain::dispid;

const char* const kTravelFile =
    "C=Towns\r\nS=Britain\r\nL=Bank\r\nP=1434,1699,0\r\n"
    "C=Towns\r\nS=Britain\r\nL=Castle\r\nP= 1323,1624,5 \r\n"
    "C=Dungeons\r\nS=Despise\r\nL=Entrance\r\nP=5500,500,0\r\n";

QTreeWidgetItem* nodeWithText(QTreeWidget* tree, const QString& text) {
    const auto found = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.front();
}

QStringList rowTexts(QTreeWidget* list) {
    QStringList rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const auto* row = list->topLevelItem(i);
        rows << row->text(0) + "/" + row->text(1) + "/" + row->text(2);
    }
    return rows;
}

struct TravelWindows : ::testing::Test {
    MenuHarness h;
    console::frmMenu* menu = nullptr;
    TravelPage* page = nullptr;
    frmMap* map = nullptr;
    frmAddLocation* add = nullptr;

    void open(const std::string& travelFile = kTravelFile) {
        h.folder.write("Kaj.ini", "USEKAJSCRIPTS=1\r\n");
        h.folder.write("KajMap.scp", travelFile);
        menu = &h.open();
        page = menu->travelPage();
        map = menu->mapWindow();
        add = menu->addLocationWindow();
    }
    void clickNode(const QString& text) {
        auto* node = nodeWithText(page->tvwMap, text);
        ASSERT_NE(node, nullptr) << text.toStdString();
        page->tvwMap->setCurrentItem(node);
        emit page->tvwMap->itemClicked(node, 0);
    }
    void clickPlace(int row) {
        page->ListLocation->setCurrentItem(page->ListLocation->topLevelItem(row));
        emit page->ListLocation->itemClicked(page->ListLocation->topLevelItem(row), 0);
    }
    std::string file() const { return TempFolder::read(h.folder / "KajMap.scp"); }
    void type(QWidget* widget, const QString& text) {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(widget, &press);
        }
    }
    void press(QWidget* widget, Qt::Key key) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &event);
    }
    QWidget* control() const {
        return map->TerrainView1().widget()->findChild<QWidget*>("TerrainView1");
    }
    void mouse(QEvent::Type type, Qt::MouseButton button, QPoint at) {
        QMouseEvent event(type, QPointF(at), QPointF(at), button,
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::MouseButtons(button),
                          Qt::NoModifier);
        QCoreApplication::sendEvent(control(), &event);
    }
};

TEST_F(TravelWindows, StartUpShowsTheTreeAndANodeListsItsPlacesWithTheirIndexes) {
    open();
    EXPECT_TRUE(h.dialogs.messages.empty());
    EXPECT_EQ(page->tvwMap->topLevelItemCount(), 3);
    EXPECT_EQ(page->tvwMap->topLevelItem(0)->text(0), "GM Spots");
    clickNode("Britain");
    EXPECT_EQ(rowTexts(page->ListLocation),
              (QStringList{"Bank/1434,1699,0/1", "Castle/1323,1624,5/2"}));
    clickNode("Towns");
    EXPECT_EQ(page->ListLocation->topLevelItemCount(), 0);
}

TEST_F(TravelWindows, AtTheWindowsFirstSizeEveryPlacesNameIsShownWhole) {
    open(
        "C=Towns\r\nS=Midland\r\nL=Hollowmere\r\nP=2496,1344,1\r\n"
        "C=Towns\r\nS=Midland\r\nL=Juniper Hill\r\nP=3648,1344,16\r\n"
        "C=Towns\r\nS=Midland\r\nL=Kingsbridge\r\nP=4032,1344,5\r\n");
    clickNode("Midland");  // while another tab is shown, as at start
    menu->SSTab1->setCurrentIndex(console::kTabTravel);
    QCoreApplication::processEvents();
    auto* list = page->ListLocation;
    const QFontMetrics metrics(list->font());
    ASSERT_EQ(list->topLevelItemCount(), 3);
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QModelIndex name = list->model()->index(i, 0);
        const QRect cell = list->visualRect(name);
        EXPECT_GE(cell.width(), metrics.horizontalAdvance(name.data().toString()) + 6)
            << name.data().toString().toStdString();
        EXPECT_LE(cell.right(), list->viewport()->width());
        // The position beside it stays on screen, shortened where it must be.
        EXPECT_LE(list->visualRect(list->model()->index(i, 1)).right(), list->viewport()->width());
    }
}

TEST_F(TravelWindows, AMissingTravelFileIsToldAndLeavesTheTreeEmpty) {
    h.folder.write("Kaj.ini", "USEKAJSCRIPTS=1\r\n");
    std::filesystem::remove(h.folder / "KajMap.scp");
    menu = &h.open();
    EXPECT_EQ(h.dialogs.messages, Lines{"KajMap.scp does not exist!"});
    EXPECT_EQ(menu->travelPage()->tvwMap->topLevelItemCount(), 0);
}

TEST_F(TravelWindows, APlaceFillsTheCoordinatesCentresTheMapAndGoTypesIt) {
    open();
    clickNode("Britain");
    clickPlace(1);
    EXPECT_EQ(page->txtLocation->text(), "1323,1624,5");
    EXPECT_EQ(map->TerrainView1().get(dispid::kXCenter), 1323);
    EXPECT_EQ(map->TerrainView1().get(dispid::kYCenter), 1624);
    page->cmdTravelGoto->click();
    EXPECT_EQ(h.desktop.typedText(), "\n.goxyz 1323 1624 5");
    page->txtLocation->setText("100, 200, 0");
    page->cmdTravelGoto->click();
    EXPECT_TRUE(h.desktop.typedText().ends_with("\n.goxyz 100  200  0"));
}

TEST_F(TravelWindows, ACoordinatesTextIsReadAsNumbersAndOnlyCellsOfTheWorldMoveTheMap) {
    open(
        "C=A\r\nS=B\r\nL=Odd\r\nP=1 0 0.5x,20.5,0\r\nL=Far\r\nP=9000,10,0\r\n"
        "L=Flat\r\nP=77\r\n");
    clickNode("B");
    clickPlace(2);  // "1 0 0.5x": blanks ignored, 100.5 rounds to the even 100
    EXPECT_EQ(map->TerrainView1().get(dispid::kXCenter), 100);
    EXPECT_EQ(map->TerrainView1().get(dispid::kYCenter), 20);
    clickPlace(0);  // x outside the world is ignored; y still goes in
    EXPECT_EQ(map->TerrainView1().get(dispid::kXCenter), 100);
    EXPECT_EQ(map->TerrainView1().get(dispid::kYCenter), 10);
    clickPlace(1);  // no comma: only x
    EXPECT_EQ(page->txtLocation->text(), "77");
    EXPECT_EQ(map->TerrainView1().get(dispid::kXCenter), 77);
    EXPECT_EQ(map->TerrainView1().get(dispid::kYCenter), 10);
}

TEST_F(TravelWindows, PressingEitherButtonOnTheMapPicksThePositionAndMovingOnlyShowsIt) {
    open();
    menu->SSTab1->setCurrentIndex(console::kTabTravel);
    QCoreApplication::processEvents();
    ASSERT_NE(control(), nullptr);
    const int middleX = terrain::controlMiddle(0, control()->width());
    const int middleY = terrain::controlMiddle(0, control()->height());
    mouse(QEvent::MouseMove, Qt::NoButton, {middleX + 5, middleY - 2});
    EXPECT_EQ(map->lblLocation->text(), "3077,2046,0");
    EXPECT_TRUE(page->txtLocation->text().isEmpty());
    EXPECT_TRUE(add->Text2->text().isEmpty());

    mouse(QEvent::MouseButtonPress, Qt::LeftButton, {middleX + 5, middleY - 2});
    EXPECT_EQ(page->txtLocation->text(), "3077,2046,0");
    EXPECT_EQ(add->Text2->text(), "3077");
    EXPECT_EQ(add->Text3->text(), "2046");
    EXPECT_EQ(add->Text4->text(), "0");
    EXPECT_EQ(map->TerrainView1().get(dispid::kXCenter), 3077);
    mouse(QEvent::MouseButtonRelease, Qt::LeftButton, {middleX + 5, middleY - 2});

    map->cmdZoomIN->click();
    EXPECT_EQ(map->TerrainView1().get(dispid::kZoomLevel), 1);
    mouse(QEvent::MouseButtonPress, Qt::RightButton, {middleX - 4, middleY});
    EXPECT_EQ(page->txtLocation->text(), "3075,2046,0");
    EXPECT_EQ(add->Text2->text(), "3075");
    map->cmdZoomOut->click();
    map->cmdZoomOut->click();
    EXPECT_EQ(map->TerrainView1().get(dispid::kZoomLevel), -1);
}

TEST_F(TravelWindows, TheMapWindowFollowsTheTabAndTheStaticsBox) {
    open();
    EXPECT_FALSE(map->isVisible());
    menu->SSTab1->setCurrentIndex(console::kTabTravel);
    EXPECT_TRUE(map->isVisible());
    menu->SSTab1->setCurrentIndex(console::kTabSetup);
    EXPECT_FALSE(map->isVisible());
    EXPECT_FALSE(map->drawStatics());
    menu->setupPage()->chkConfig6->click();
    EXPECT_TRUE(map->drawStatics());
    EXPECT_EQ(map->TerrainView1().get(dispid::kDrawStatics), 1);
}

TEST_F(TravelWindows, AddingFillsTheCombosSavesSortedAndReloads) {
    open();
    page->cmdTravelAdd->click();
    EXPECT_TRUE(add->isVisible());
    EXPECT_FALSE(page->FrameLocations->isEnabled());
    EXPECT_EQ(add->windowTitle(), "Add Location");
    EXPECT_EQ(add->Combo1->count(), 2);  // Dungeons, Towns
    EXPECT_EQ(add->Combo2->count(), 2);
    add->Combo1->setCurrentText("Shrines");
    add->Combo2->setCurrentText("Virtue");
    add->Text1->setText("Honesty");
    add->setPosition(4210, 563, 8);
    add->cmdAdd->click();
    EXPECT_FALSE(add->isVisible());
    EXPECT_TRUE(page->FrameLocations->isEnabled());
    EXPECT_TRUE(add->Text1->text().isEmpty());
    EXPECT_TRUE(add->Combo1->currentText().isEmpty());
    EXPECT_NE(nodeWithText(page->tvwMap, "Virtue"), nullptr);
    EXPECT_EQ(file(),
              "C=Dungeons\r\nS=Despise\r\nL=Entrance\r\nP=5500,500,0\r\n"
              "C=Shrines\r\nS=Virtue\r\nL=Honesty\r\nP=4210,563,8\r\n"
              "C=Towns\r\nS=Britain\r\nL=Bank\r\nP=1434,1699,0\r\n"
              "C=Towns\r\nS=Britain\r\nL=Castle\r\nP=1323,1624,5\r\n");
    page->cmdTravelAdd->click();
    EXPECT_EQ(add->Combo1->count(), 3);  // the boxes keep what they had
}

TEST_F(TravelWindows, ARefusedFieldKeepsTheWindowOpenAndTheFileAsItWas) {
    open();
    page->cmdTravelAdd->click();
    add->Text1->setText("Bank|Vault");
    add->cmdAdd->click();
    EXPECT_EQ(h.dialogs.messages, Lines{"The Name cannot contain |, or a line break."});
    EXPECT_TRUE(add->isVisible());
    EXPECT_EQ(add->Text1->text(), "Bank|Vault");
    EXPECT_EQ(file(), kTravelFile);
}

TEST_F(TravelWindows, EditingPutsTheEntryInTheFieldsAndDoneMovesIt) {
    open();
    page->cmdEditMap->click();
    EXPECT_EQ(h.dialogs.messages, Lines{"Please select a location to edit first"});
    clickNode("Britain");
    page->cmdEditMap->click();  // rows, but none selected
    EXPECT_EQ(h.dialogs.messages.size(), 2u);
    clickPlace(0);
    page->cmdEditMap->click();
    EXPECT_TRUE(menu->state().travel.EditLocation);
    EXPECT_EQ(menu->state().travel.Index, 1);
    EXPECT_EQ(add->windowTitle(), "Edit Location");
    EXPECT_EQ(add->cmdAdd->text(), "Done");
    EXPECT_EQ(add->Combo1->currentText(), "Towns");
    EXPECT_EQ(add->Text1->text(), "Bank");
    EXPECT_EQ(add->Text4->text(), "0");
    add->Combo1->setCurrentText("Banks");
    add->cmdAdd->click();
    EXPECT_FALSE(add->isVisible());
    EXPECT_EQ(add->windowTitle(), "Add Location");
    EXPECT_FALSE(menu->state().travel.EditLocation);
    EXPECT_EQ(add->Text1->text(), "Bank");  // the fields keep the edited values
    EXPECT_EQ(menu->state().travel.ListFullMap,
              (Lines{"Banks|Britain|Bank|1434,1699,0", "Dungeons|Despise|Entrance|5500,500,0",
                     "Towns|Britain|Castle|1323,1624,5"}));
    EXPECT_TRUE(file().starts_with("C=Banks\r\nS=Britain\r\nL=Bank\r\n"));
}

TEST_F(TravelWindows, EditThenCancelThenAddOpensAnEmptyAddWindowThatAdds) {
    open();
    clickNode("Despise");
    clickPlace(0);
    page->cmdEditMap->click();
    add->cmdCancel->click();
    EXPECT_FALSE(add->isVisible());
    EXPECT_TRUE(page->FrameLocations->isEnabled());
    EXPECT_FALSE(menu->state().travel.EditLocation);
    page->cmdTravelAdd->click();
    EXPECT_EQ(add->windowTitle(), "Add Location");
    EXPECT_EQ(add->cmdAdd->text(), "Add");
    EXPECT_TRUE(add->Text1->text().isEmpty());
    add->Text1->setText("New");
    add->cmdAdd->click();
    EXPECT_EQ(menu->state().travel.ListFullMap.size(), 4u);
}

TEST_F(TravelWindows, TheCloseBoxCancelsSoTheButtonsComeBack) {
    open();
    clickNode("Britain");
    clickPlace(1);
    page->cmdEditMap->click();
    add->close();
    EXPECT_FALSE(add->isVisible());
    EXPECT_TRUE(page->FrameLocations->isEnabled());
    EXPECT_FALSE(menu->state().travel.EditLocation);
    EXPECT_EQ(add->windowTitle(), "Add Location");
}

TEST_F(TravelWindows, RemovingAsksFirstAndDropsTheEmptiedNodes) {
    open();
    page->cmdDelete->click();
    EXPECT_EQ(h.dialogs.messages, Lines{"Please select a loction to remove first"});
    clickNode("Despise");
    clickPlace(0);
    page->cmdDelete->click();  // answered No
    EXPECT_EQ(h.dialogs.questions.back(),
              "Are you Sure you want to remove this location?\r\n\r\n"
              "           Name        :     Entrance\r\n"
              "           Location    :     5500,500,0");
    EXPECT_EQ(file(), kTravelFile);
    clickPlace(0);
    h.dialogs.yesNoAnswers.push_back(true);
    page->cmdDelete->click();
    EXPECT_EQ(nodeWithText(page->tvwMap, "Despise"), nullptr);
    EXPECT_EQ(page->ListLocation->topLevelItemCount(), 0);
    EXPECT_EQ(menu->state().travel.ListFullMap.size(), 2u);
    EXPECT_EQ(file().find("Despise"), std::string::npos);
}

TEST_F(TravelWindows, AFailedWriteIsToldAndTheListShowsTheFileAsItIs) {
    open();
    platform::InjectedFileFault full(1, ENOSPC);
    full.onlyOf(platform::FileStep::Open);
    page->cmdTravelAdd->click();
    add->Text1->setText("Lost");
    add->cmdAdd->click();
    ASSERT_EQ(h.dialogs.messages.size(), 1u);
    EXPECT_NE(h.dialogs.messages[0].find((h.folder / "KajMap.scp").string()), std::string::npos);
    EXPECT_EQ(menu->state().travel.ListFullMap.size(), 3u);
    EXPECT_TRUE(add->isVisible());
    EXPECT_EQ(file(), kTravelFile);
}

TEST_F(TravelWindows, TheFilterFindsPlacesOfEveryCategoryAndEscapeBringsBackTheNode) {
    open();
    clickNode("Despise");
    type(page->txtFilter, "AN");
    EXPECT_EQ(rowTexts(page->ListLocation),
              (QStringList{"Entrance/5500,500,0/0", "Bank/1434,1699,0/1"}));
    press(page->txtFilter, Qt::Key_Escape);
    EXPECT_EQ(page->txtFilter->text(), "");
    EXPECT_EQ(rowTexts(page->ListLocation), (QStringList{"Entrance/5500,500,0/0"}));

    // Go, Edit and Remove take the filtered row as any other; the filter stays.
    type(page->txtFilter, "an");
    clickPlace(1);
    page->cmdTravelGoto->click();
    EXPECT_EQ(h.desktop.typedText(), "\n.goxyz 1434 1699 0");
    h.dialogs.yesNoAnswers.push_back(true);
    page->cmdDelete->click();
    EXPECT_EQ(file().find("Bank"), std::string::npos);
    EXPECT_EQ(rowTexts(page->ListLocation), (QStringList{"Entrance/5500,500,0/0"}));
    press(page->txtFilter, Qt::Key_Escape);
    EXPECT_EQ(page->txtFilter->text(), "");
    type(page->txtFilter, "castle");
    EXPECT_EQ(rowTexts(page->ListLocation), (QStringList{"Castle/1323,1624,5/1"}));
    clickNode("Britain");  // a node chosen empties the filter
    EXPECT_EQ(page->txtFilter->text(), "");
    EXPECT_EQ(rowTexts(page->ListLocation), (QStringList{"Castle/1323,1624,5/1"}));
}

TEST_F(TravelWindows, MarkersGoOutAndComeInThroughTheMarkersMenu) {
    open();
    const auto markers = h.folder / "north.csv";
    h.dialogs.fileAnswers.push_back(markers.string());
    page->mnuExportMarkers->trigger();
    EXPECT_EQ(h.dialogs.messages.back(), "3 travel locations written to " + markers.string() + ".");
    EXPECT_EQ(TempFolder::read(markers),
              "5500,500,0,Entrance,dungeons,red,4\r\n1434,1699,0,Bank,towns,green,4\r\n"
              "1323,1624,0,Castle,towns,green,4\r\n");

    h.folder.write("north.csv", "10,20,0,Camp\r\nbroken\r\n");
    h.dialogs.fileAnswers.push_back(markers.string());
    page->mnuImportMarkers->trigger();
    EXPECT_EQ(h.dialogs.messages.back(),
              "1 marker of north.csv added to Imported, north.\n\n1 line refused:\n"
              "Line 2: fewer than four fields (X,Y,MAP,NAME)");
    // Without the client's map files the height is 0.
    EXPECT_NE(file().find("C=Imported\r\nS=north\r\nL=Camp\r\nP=10,20,0\r\n"), std::string::npos);
    EXPECT_NE(nodeWithText(page->tvwMap, "north"), nullptr);
}

TEST_F(TravelWindows, EveryChangeIsThereAfterARestartAndTheMapKeepsItsPlace) {
    open();
    map->move(120, 80);
    page->cmdTravelAdd->click();
    add->Combo1->setCurrentText("Camps");
    add->Combo2->setCurrentText("North");
    add->Text1->setText("Tent");
    add->cmdAdd->click();
    h.close();
    EXPECT_NE(TempFolder::read(h.folder / "Kaj.ini").find("MAPLEFT=1800\r\nMAPTOP=1200\r\n"),
              std::string::npos);
    auto& again = h.open();
    EXPECT_NE(nodeWithText(again.travelPage()->tvwMap, "North"), nullptr);
    EXPECT_EQ(again.mapWindow()->pos(), QPoint(120, 80));
}

}  // namespace
}  // namespace kaj::travel
