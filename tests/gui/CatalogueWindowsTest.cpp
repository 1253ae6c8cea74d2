#include <gtest/gtest.h>

#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTreeWidgetItemIterator>

#include "GlyphViewDispatchIds.h"
#include "HostedControl.h"
#include "MenuHarness.h"
#include "frmCreateItem.h"
#include "frmCreateNPC.h"
#include "frmEditItems.h"
#include "frmEditNPC.h"
#include "frmProgresswindow.h"

namespace kaj::catalogue {
namespace {

using kaj::testing::MenuHarness;

using glyph::dispid::kArtColor;
using glyph::dispid::kArtIndex;
using glyph::dispid::kArtType;

QTreeWidgetItem* nodeWithText(QTreeWidget* tree, const char* text) {
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        if ((*it)->text(0) == text) {
            return *it;
        }
    }
    return nullptr;
}

QStringList column(QTreeWidget* list, int index) {
    QStringList texts;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        texts << list->topLevelItem(i)->text(index);
    }
    return texts;
}

void clickRow(QTreeWidget* list, int row) {
    list->setCurrentItem(list->topLevelItem(row));
    emit list->itemClicked(list->topLevelItem(row), 0);
}

void releaseEnter(QWidget* widget) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
    QCoreApplication::sendEvent(widget, &release);
}

struct CatalogueWindows : ::testing::Test {
    MenuHarness h;
    console::frmMenu* menu = nullptr;

    void writeScripts() {
        h.folder.write(
            "KajItems.scp",
            "# Category = Weapons\r\n- Section = Misc\r\nSword of might|0x13FF|0x1F03|0x0481\r\n"
            "# Category = Armor\r\n- Section = Misc\r\nplate|0x1415|7939|1153\r\n"
            "- Section = Blades\r\ndagger|0x0F52|0x0F52|0X0481\r\n");
        h.folder.write("KajChar.scp",
                       "NPCs|Orcs|Orc captain|0x11|0x0481\r\nNPCs|Orcs|orc|11|20001\r\n"
                       "Town|Misc|banker|0x190|20000\r\n");
    }

    console::frmMenu& open(const std::string& ini) {
        h.folder.write("Kaj.ini", ini);
        menu = &h.open();
        return *menu;
    }

    // What one click typed, without the leading Enter and dot.
    std::string typedBy(QWidget* window, const char* button) {
        const std::size_t before = h.desktop.typed.size();
        auto* b = window->findChild<QPushButton*>(button);
        EXPECT_NE(b, nullptr) << button;
        if (b == nullptr) {
            return {};
        }
        b->click();
        if (h.desktop.typed.size() == before) {
            return "<nothing>";
        }
        const std::string text = platform::describeKeyStrokes(h.desktop.typed.back());
        return text.starts_with("\n.") ? text.substr(2) : "<" + text + ">";
    }
};

TEST_F(CatalogueWindows, StartUpLoadsTheScriptFilesIntoBothWindows) {
    writeScripts();
    open("LOADSCRIPTS=1\r\nUSEKAJSCRIPTS=1\r\nITEMLEFT=1500\r\nITEMTOP=750\r\nNPCLEFT=3000\r\n");
    EXPECT_EQ(menu->createItemWindow()->pos(), QPoint(100, 50));
    EXPECT_EQ(menu->createNpcWindow()->pos(), QPoint(200, 0));
    const QStringList lines = menu->progressWindow()->lines();
    const auto item = lines.indexOf("Loading Item Script...");
    EXPECT_GE(item, 0);
    EXPECT_EQ(lines.indexOf("Loading Character Script..."), item + 1);
    EXPECT_EQ(lines.indexOf("Initialization complete..."), item + 2);
    EXPECT_TRUE(h.dialogs.messages.empty());

    auto* items = menu->createItemWindow();
    ASSERT_NE(items, nullptr);
    EXPECT_FALSE(items->isVisible());
    EXPECT_EQ(items->windowTitle(), "Create Items");
    EXPECT_EQ(items->size(), QSize(306, 500));
    h.find<QPushButton>("cmdCreateItem")->click();
    EXPECT_TRUE(items->isVisible());
    EXPECT_EQ(items->tvwItems->topLevelItemCount(), 1);
    EXPECT_NE(nodeWithText(items->tvwItems, "Blades"), nullptr);

    auto* npcs = menu->createNpcWindow();
    EXPECT_EQ(npcs->windowTitle(), "NPCs");
    EXPECT_EQ(npcs->size(), QSize(305, 500));
    h.find<QPushButton>("cmdCreateNPC")->click();
    EXPECT_TRUE(npcs->isVisible());
    EXPECT_NE(nodeWithText(npcs->tvwNPC, "Orcs"), nullptr);
}

TEST_F(CatalogueWindows, ItemsBrowseSearchPreviewAndSend) {
    writeScripts();
    open("LOADSCRIPTS=1\r\nUSEKAJSCRIPTS=1\r\n");
    auto* items = menu->createItemWindow();
    menu->cmdCreateItem_Click();
    ASSERT_TRUE(items->GlyphView1().isLoaded()) << items->GlyphView1().error();
    EXPECT_EQ(items->GlyphView1().get(kArtType), 0);

    // No row yet: the create commands say so and send nothing.
    EXPECT_EQ(typedBy(items, "cmdCreate"), "<nothing>");
    EXPECT_EQ(typedBy(items, "cmdSpawnItem"), "<nothing>");
    EXPECT_EQ(h.dialogs.messages,
              (std::vector<std::string>{"Please select an item from the list to create.",
                                        "Please Select an item to spawn."}));

    // "Misc" of both categories, in the list's sorted order.
    emit items->tvwItems->itemClicked(nodeWithText(items->tvwItems, "Misc"), 0);
    EXPECT_EQ(column(items->ListItems, 0), (QStringList{"plate", "Sword of might"}));
    EXPECT_EQ(column(items->ListObjTypes, 0), (QStringList{"0x1415", "0x13FF"}));

    EXPECT_FALSE(items->GlyphView1().widget()->isVisibleTo(items));
    clickRow(items->ListItems, 1);
    EXPECT_TRUE(items->GlyphView1().widget()->isVisibleTo(items));
    EXPECT_EQ(items->TextGraphic->text(), "0x1F03");
    EXPECT_EQ(items->GlyphView1().get(kArtIndex), 7939);
    EXPECT_EQ(items->GlyphView1().get(kArtColor), 1153);
    clickRow(items->ListItems, 0);  // a decimal graphic loses its first two digits
    EXPECT_EQ(items->GlyphView1().get(kArtIndex), 0x39);
    EXPECT_EQ(items->GlyphView1().get(kArtColor), 1153);

    EXPECT_EQ(typedBy(items, "cmdCreate"), "create 0x1415");
    EXPECT_EQ(typedBy(items, "cmdCreateat"), "createat 0x1415");
    EXPECT_EQ(typedBy(items, "cmdSpawnItem"), "spawnitem 0x1415");
    items->txtAmount3->setText("20");
    EXPECT_EQ(typedBy(items, "cmdCreatestack"), "createstack 0x1415 20");
    items->txtAmount5->setText("500");
    EXPECT_EQ(typedBy(items, "cmdMakegold"), "createstack 3821 500");
    EXPECT_EQ(typedBy(items, "cmdMakeregs"), "makeregs 25");
    EXPECT_EQ(typedBy(items, "cmdSpawnChest"), "spawnchest 1");
    items->TextDistance->setText("-3");
    EXPECT_EQ(typedBy(items, "cmdUp"), "pz -3");
    EXPECT_EQ(typedBy(items, "cmdDown"), "mz -3");
    EXPECT_EQ(typedBy(items, "cmdUpLeft"), "mx -3");
    EXPECT_EQ(typedBy(items, "cmdUpRight"), "my -3");
    EXPECT_EQ(typedBy(items, "cmdDownLeft"), "py -3");
    EXPECT_EQ(typedBy(items, "cmdDownRight"), "px -3");
    EXPECT_EQ(typedBy(items, "cmdNPCSCreate"), "destroy");
    EXPECT_EQ(typedBy(items, "cmdMoveItem"), "moveitem");
    EXPECT_EQ(typedBy(items, "cmdMovetoCont"), "movetocont");
    EXPECT_EQ(typedBy(items, "cmdMovable"), "setmovable 1");
    EXPECT_EQ(typedBy(items, "cmdunmovable"), "setmovable 0");

    // Enter in an amount box clicks its button.
    const std::size_t before = h.desktop.typed.size();
    items->txtAmount4->setText("7");
    {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(items->txtAmount4, &press);
    }
    ASSERT_EQ(h.desktop.typed.size(), before + 1);
    EXPECT_EQ(platform::describeKeyStrokes(h.desktop.typed.back()), "\n.makeregs 7");

    // The search: the name only, letter case ignored, no colour; Enter runs it.
    items->TextSearch->setText("SWORD");
    items->findChild<QPushButton*>("cmdNPCSearch")->click();
    EXPECT_EQ(column(items->ListItems, 0), QStringList{"Sword of might"});
    EXPECT_EQ(column(items->ListItems, 3), QStringList{""});
    items->TextSearch->setText("");
    releaseEnter(items->TextSearch);
    EXPECT_EQ(items->ListItems->topLevelItemCount(), 3);
    EXPECT_EQ(column(items->ListItems, 0).front(), "dagger");
    clickRow(items->ListItems, 0);  // search rows carry no colour: hue 0
    EXPECT_EQ(items->GlyphView1().get(kArtIndex), 0x0F52);
    EXPECT_EQ(items->GlyphView1().get(kArtColor), 0);
}

TEST_F(CatalogueWindows, ClosingHidesTheWindowsAndReopeningShowsTheSameState) {
    writeScripts();
    open("LOADSCRIPTS=1\r\nUSEKAJSCRIPTS=1\r\n");
    auto* items = menu->createItemWindow();
    menu->cmdCreateItem_Click();
    emit items->tvwItems->itemClicked(nodeWithText(items->tvwItems, "Misc"), 0);
    clickRow(items->ListItems, 1);
    items->move(123, 77);
    items->close();
    EXPECT_FALSE(items->isVisible());
    EXPECT_EQ(menu->createItemWindow(), items);
    menu->cmdCreateItem_Click();
    EXPECT_TRUE(items->isVisible());
    EXPECT_EQ(items->ListItems->topLevelItemCount(), 2);
    EXPECT_EQ(items->ListItems->selectedItems().front()->text(0), "Sword of might");

    auto* npcs = menu->createNpcWindow();
    npcs->move(200, 50);
    h.close();
    const std::string ini = kaj::testing::TempFolder::read(h.folder / "Kaj.ini");
    EXPECT_NE(ini.find("ITEMLEFT=1845\r\n"), std::string::npos) << ini;
    EXPECT_NE(ini.find("NPCLEFT=3000\r\n"), std::string::npos) << ini;
}

TEST_F(CatalogueWindows, NpcsBrowseSearchPreviewAndSend) {
    writeScripts();
    open("LOADSCRIPTS=1\r\nUSEKAJSCRIPTS=1\r\n");
    auto* npcs = menu->createNpcWindow();
    menu->cmdCreateNPC_Click();
    EXPECT_EQ(npcs->GlyphView1().get(kArtType), 1);
    EXPECT_EQ(typedBy(npcs, "cmdNPCSCreate"), "<nothing>");
    EXPECT_EQ(h.dialogs.messages.back(), "Please select an NPC from the list to create.");
    EXPECT_EQ(typedBy(npcs, "Command4"), "spawn ");

    emit npcs->tvwNPC->itemClicked(nodeWithText(npcs->tvwNPC, "Orcs"), 0);
    EXPECT_EQ(column(npcs->ListNPC, 0), (QStringList{"Orc captain", "orc"}));
    clickRow(npcs->ListNPC, 0);
    EXPECT_EQ(npcs->GlyphView1().get(kArtIndex), 0x11);
    EXPECT_EQ(npcs->GlyphView1().get(kArtColor), 1153);
    clickRow(npcs->ListNPC, 1);  // a body without its prefix is still hexadecimal
    EXPECT_EQ(npcs->GlyphView1().get(kArtIndex), 0x11);
    EXPECT_EQ(npcs->GlyphView1().get(kArtColor), 1002);
    EXPECT_EQ(typedBy(npcs, "cmdNPCSCreate"), "createnpc orc");
    EXPECT_EQ(typedBy(npcs, "Command4"), "spawn ");
    EXPECT_EQ(typedBy(npcs, "Command5"), "despawn ");
    const std::pair<const char*, const char*> fixed[] = {
        {"Command18", "critter"},       {"Command19", "wildlife"},
        {"Command20", "dungeontrash"},  {"Command21", "critterspawn"},
        {"Command22", "wildlifespawn"}, {"Command23", "spawncontainer"},
        {"Command24", "peoplespawn"},   {"Command25", "regspawn"}};
    for (const auto& [button, command] : fixed) {
        EXPECT_EQ(typedBy(npcs, button), command) << button;
    }
    EXPECT_EQ(typedBy(npcs, "cmdLoadEquip"), "equipt ");
    npcs->txtWriteEquip->setText("orcgear");
    EXPECT_EQ(typedBy(npcs, "cmdWriteEquip"), "writeequip orcgear");

    npcs->TextSearch->setText("ORC");
    releaseEnter(npcs->TextSearch);
    EXPECT_EQ(column(npcs->ListNPC, 0), (QStringList{"Orc captain", "orc"}));
    EXPECT_EQ(column(npcs->ListNPC, 2), (QStringList{"0x0481", "20001"}));
    emit npcs->tvwNPC->itemClicked(nodeWithText(npcs->tvwNPC, "Misc"), 0);
    clickRow(npcs->ListNPC, 0);
    EXPECT_EQ(npcs->GlyphView1().get(kArtIndex), 0x190);
    EXPECT_EQ(npcs->GlyphView1().get(kArtColor), 20000);
}

TEST_F(CatalogueWindows, TheReloadButtonsReadTheServerFolderWithFreshDefaults) {
    kaj::testing::TempFolder server;
    server.write("config/itemdesc.cfg", "Item 0x1\n{\n\tName stone\n}\n");
    server.write("config/npcdesc.cfg", "NpcTemplate rat\n{\n\tObjType 0xEE\n}\n");
    server.write("pkg/tools/pkg.cfg", "Enabled 1\nName tools\n");
    server.write("pkg/tools/config/itemdesc.cfg", "Item 0x2\n{\n\tName saw\n}\n");
    open("LOADSCRIPTS=0\r\nUSEKAJSCRIPTS=0\r\nPOLPATH=" + server.path().string() + "/\r\n");
    EXPECT_TRUE(menu->state().catalogue.ListFullItem.empty());
    menu->state().catalogue.MasterCategory = "Leftover";
    auto* items = menu->createItemWindow();
    items->findChild<QPushButton*>("cmdLoadItems")->click();
    EXPECT_EQ(
        menu->state().catalogue.ListFullItem,
        (std::vector<std::string>{"Items|Misc|stone|0x1|0x1|0", "Packages|tools|saw|0x2|0x2|0"}));
    EXPECT_EQ(items->tvwItems->topLevelItem(0)->text(0), "Custom");
    EXPECT_NE(nodeWithText(items->tvwItems, "tools"), nullptr);

    auto* npcs = menu->createNpcWindow();
    npcs->findChild<QPushButton*>("cmdLoadNPC")->click();
    EXPECT_EQ(menu->state().catalogue.ListFullChar,
              std::vector<std::string>{"NPCs|Misc|rat|0xEE|0"});
    EXPECT_NE(nodeWithText(npcs->tvwNPC, "Misc"), nullptr);
}

TEST_F(CatalogueWindows, MakeDataFilesAsksThenWritesBackedUpFilesThatReadBack) {
    writeScripts();
    h.folder.write("KajItems2.scp", "# Category = Shard\r\n- Section = Marks\r\nmark|0x1|0x1\r\n");
    open("LOADSCRIPTS=0\r\nUSEKAJSCRIPTS=1\r\n");
    auto* make = h.find<QPushButton>("cmdSetupMakeDataFiles");
    h.dialogs.yesNoAnswers = {false};
    make->click();
    ASSERT_EQ(h.dialogs.questions.size(), 1u);
    EXPECT_TRUE(h.dialogs.questions[0].starts_with("                        WARNING!!\r\n\r\n"));
    EXPECT_FALSE(std::filesystem::exists(h.folder / "KajItems2.bak"));

    h.dialogs.yesNoAnswers = {true};
    make->click();
    EXPECT_EQ(kaj::testing::TempFolder::read(h.folder / "KajItems2.bak"),
              "# Category = Shard\r\n- Section = Marks\r\nmark|0x1|0x1\r\n");
    EXPECT_TRUE(std::filesystem::exists(h.folder / "KajChar.bak"));
    EXPECT_TRUE(h.dialogs.messages.back().starts_with(
        "Datafiles have been created in the Kaj directory and backups\r\n"));
    // The standard and the custom items both went into the new custom file.
    const std::string written = kaj::testing::TempFolder::read(h.folder / "KajItems2.scp");
    EXPECT_NE(written.find("Sword of might|0x13FF|0x1F03\r\n"), std::string::npos) << written;
    EXPECT_NE(written.find("mark|0x1|0x1\r\n"), std::string::npos) << written;
    EXPECT_EQ(kaj::testing::TempFolder::read(h.folder / "KajChar.scp"),
              kaj::testing::TempFolder::read(h.folder / "KajChar.bak"));
    EXPECT_NE(nodeWithText(menu->createItemWindow()->tvwItems, "Marks"), nullptr);
}

TEST_F(CatalogueWindows, TheEditorsOpenTheirPagesAndSwitchThemWithTheTabs) {
    open("LOADSCRIPTS=0\r\n");
    h.find<QPushButton>("cmdEditItem")->click();
    EXPECT_EQ(h.dialogs.messages.back(),
              "This feature is currently only available if you are running\r\n"
              "Kaj locally to the server.  If you are running it locally then\r\n"
              "check to make sure you have set the pol directory in setup.");
    EXPECT_EQ(menu->editItemsWindow(), nullptr);

    menu->setupPage()->txtConfigPOLDir->setText("/srv/pol/");
    h.find<QPushButton>("cmdEditItem")->click();
    auto* items = menu->editItemsWindow();
    ASSERT_NE(items, nullptr);
    EXPECT_EQ(items->size(), QSize(695, 323));
    ASSERT_EQ(items->TabStrip1->count(), 2);
    EXPECT_TRUE(items->FramePage[0]->isVisibleTo(items));
    EXPECT_FALSE(items->FramePage[1]->isVisibleTo(items));
    items->TabStrip1->setCurrentIndex(1);
    EXPECT_FALSE(items->FramePage[0]->isVisibleTo(items));
    EXPECT_TRUE(items->FramePage[1]->isVisibleTo(items));
    EXPECT_EQ(items->FramePage[1]->geometry().topLeft(), items->FramePage[0]->geometry().topLeft());
    EXPECT_FALSE(items->findChild<QPushButton*>("Command2")->isEnabled());
    EXPECT_EQ(items->findChildren<QLineEdit*>("Text1").size(), 24);

    h.find<QPushButton>("cmdEditNPC")->click();
    auto* npcs = menu->editNpcWindow();
    ASSERT_NE(npcs, nullptr);
    EXPECT_EQ(npcs->windowTitle(), "Edit NPCs");
    ASSERT_EQ(npcs->TabStrip1->count(), 6);
    EXPECT_EQ(npcs->TabStrip1->tabText(5), "Spells / Circle 5-8");
    EXPECT_EQ(npcs->findChildren<QCheckBox*>("Check1").size(), 64);
    npcs->TabStrip1->setCurrentIndex(3);
    for (int page = 0; page < 6; ++page) {
        EXPECT_EQ(npcs->FramePage[static_cast<std::size_t>(page)]->isVisibleTo(npcs), page == 3);
    }
    // A closed editor is gone; the next opening starts afresh on its first page.
    npcs->close();
    EXPECT_TRUE(kaj::testing::waitFor([&] { return menu->editNpcWindow() == nullptr; }, 2000));
    h.find<QPushButton>("cmdEditNPC")->click();
    EXPECT_EQ(menu->editNpcWindow()->TabStrip1->currentIndex(), 0);
}

}  // namespace
}  // namespace kaj::catalogue
