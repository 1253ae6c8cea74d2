#include <gtest/gtest.h>

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

#include "CommandCatalogue.h"
#include "MenuHarness.h"
#include "frmAbout.h"

namespace kaj::console {
namespace {

using kaj::testing::MenuHarness;

struct CatalogueFixture : ::testing::Test {
    MenuHarness h;
    frmMenu* menu = nullptr;

    void SetUp() override {
        h.folder.write("Kaj.ini", "USEKAJSCRIPTS=1\r\n");
        menu = &h.open();
    }

    QLineEdit* field(const char* name) { return h.find<QLineEdit>(name); }
    QComboBox* combo(const char* name) { return h.find<QComboBox>(name); }

    // What one click typed, without the leading Enter and dot.
    std::string commandOf(const char* button) {
        const std::size_t before = h.desktop.typed.size();
        auto* b = h.find<QPushButton>(button);
        EXPECT_NE(b, nullptr) << button;
        if (b == nullptr)
            return {};
        b->click();
        if (h.desktop.typed.size() == before)
            return "<nothing>";
        std::string text = platform::describeKeyStrokes(h.desktop.typed.back());
        return text.starts_with("\n.") ? text.substr(2) : "<" + text + ">";
    }

    void fillEveryArgument() {
        field("txtUnloadCFGText")->setText("itemdesc");
        field("txtUnloadText")->setText("pkg/opt/arena ");
        field("txtServBcastText")->setText("Server saves in 5 minutes ");
        combo("cboGMcmdlevel")->setCurrentText("gm");
        combo("cboGMSetPriv")->setCurrentText("invul");
        combo("cboGMRevokePriv")->setCurrentText("moveany");
        combo("cboGMEnablePriv")->setCurrentText("seeinvisitems");
        combo("ComboNews")->setCurrentText("read");
        combo("cboSetSkill")->setCurrentIndex(25);
        field("txtSetSkill")->setText("100");
        combo("cboPlayerSetProp")->setCurrentText("name");
        field("txtPlayerSetPropValue")->setText("Lord British");
        combo("cboPlayerGetProp")->setCurrentText("hp");
        field("txtSquelch")->setText("60");
        field("TextKeyword")->setText("banker");
        combo("ComboDress")->setCurrentText("mage");
        combo("cboItemSetProp")->setCurrentText("color");
        field("txtItemAmount")->setText("1153");
        combo("cboItemGetProp")->setCurrentText("objtype");
        field("txtRadius")->setText("5");
        combo("cboMakeMagic")->setCurrentIndex(14);
        combo("cboSpells")->setCurrentIndex(0);
        combo("cboSongs")->setCurrentIndex(1);
        combo("cboPlaySound")->setCurrentIndex(0);
        field("TextClearRegion")->setText("10");
        field("TextRunego")->setText("3");
    }
};

TEST_F(CatalogueFixture, EveryButtonHasItsCaptionAndTypesItsCommand) {
    fillEveryArgument();
    struct Row {
        const char* button;
        const char* caption;
        const char* command;
    };
    const Row rows[] = {
        {"cmdServSavenow", "Save Now", "savenow"},
        {"cmdServTime", "Time", "time"},
        {"cmdServOrphans", "Orphans", "orphans"},
        {"cmdServObjcount", "Object Count", "objcount"},
        {"cmdServProcs", "Processes", "procs"},
        {"cmdServThreads", "Threads", "threads"},
        {"cmdServRPM", "RPM", "rpm"},
        {"cmdServShutdown", "Shut Down", "shutdown"},
        {"cmdServUnloadCFG", "UnloadCFG", "unloadcfg itemdesc"},
        {"cmdServUnload", "Unload", "unload pkg/opt/arena "},
        {"cmdServUnloadAll", "Unload All", "unloadall"},
        {"cmdServBcast", "Broadcast", "bcast Server saves in 5 minutes "},
        {"cmdServOnline", "List Clients", "online"},
        {"cmdConnections", "Connections", "constat"},
        {"cmdGMSetCMD", "CMD Level", "setcmdlevel gm"},
        {"cmdGMSetPriv", "Set Priv", "grantpriv invul"},
        {"cmdGMRevokePriv", "Revoke Priv", "revokepriv moveany"},
        {"cmdGMEnablePriv", "Enable Priv", "enable seeinvisitems"},
        {"cmdGMpage", "GM Pages", "gmpage"},
        {"cmdCounPage", "Coun Pages", "page"},
        {"cmdNews", "News", "news read"},
        {"cmdGMArmor", "Armor", "armor"},
        {"cmdGMBank", "Bank", "bank"},
        {"cmdGMPowerup", "Power Up", "powerup"},
        {"cmdGMPowerDown", "Power Down", "powerdown"},
        {"cmdGMMyPrivs", "My Privs", "privs"},
        {"cmdGMHide", "Hide Me", "hideme"},
        {"cmdGMRefresh", "Refresh Me", "refreshme"},
        {"cmdGMResme", "Res Me", "resme"},
        {"cmdGMConceal", "ConcealMe", "concealme"},
        {"cmdGMUnconceal", "Unconceal", "unconcealme"},
        {"cmdGMThaw", "Thaw Me", "thawme"},
        {"cmdGMClothGM", "GM Form", "gm"},
        {"cmdGMMyClothing", "My Form", "myform"},
        {"cmdMakespellbook", "Spell Book", "spellbook"},
        {"cmdMakeTele", "Make Tele", "maketele"},
        {"cmdAddgoloc", "Add GoLoc", "addgoloc"},
        {"cmdPlaInfo", "Info", "info"},
        {"cmdPlaGoto", "Goto Player", "goto "},
        {"cmdPlaRefresh", "Refresh", "refresh"},
        {"cmdPlaRes", "Res", "res"},
        {"cmdPLayerResurrect", "Resurrect", "res"},
        {"cmdPlaKill", "Kill", "kill"},
        {"cmdPlaMessage", "Message", "message "},
        {"cmdPlaShave", "Shave", "shave"},
        {"cmdPlaBuzz", "Hair Cut", "buzz"},
        {"cmdPlaWipeBank", "Wipe Bank", "wipebank"},
        {"cmdPlaFreeze", "Freeze", "freeze"},
        {"cmdPlaThaw", "Thaw", "thaw"},
        {"cmdPlaKick", "Player Kick", "kick"},
        {"cmdPlayerGrab", "Grab", "grab"},
        {"cmdPLayerShowStats", "Show Stats", "showstats"},
        {"cmdPLayerWhereShip", "Where Ship", "whereship"},
        {"cmdSetSkill", "Set Skill", "setskill 25 100"},
        {"cmdPlaSetProp", "Set Prop", "setprop name Lord British"},
        {"cmdPlaGetProp", "Get Prop", "getprop hp"},
        {"cmdSquelch", "Squelch", "squelch 60"},
        {"cmdUnsquelch", "UnSquelch", "squelch 0"},
        {"cmdPermaSquelch", "PermaSquelch", "squelch -1"},
        {"cmdNpcInfo", "Info", "info"},
        {"cmdNpcKill", "Kill NPC", "kill"},
        {"cmdNpcFreeze", "Freeze", "freeze"},
        {"cmdNpcThaw", "Thaw", "thaw"},
        {"cmdNpcRecreate", "Recreate NPC", "recreate"},
        {"cmdNpcRestart", "Restart NPC", "restart"},
        {"cmdNpcKeyword", "Keyword", "keyword banker"},
        {"cmdNpcShowscript", "Show Script", "showscript"},
        {"cmdNpcAttack", "NPC Attack", "attack"},
        {"cmdNpcEquip", "Equip Item", "equip"},
        {"cmdNpcTame", "Tame NPC", "tame"},
        {"cmdNpcKeyItem", "Key Item", "keyitem"},
        {"cmdNpcWipe", "Wipe All NPCs", "npcwipe"},
        {"cmdOpenPack", "Open Pack", "openpack"},
        {"cmdPossess", "Possess", "possess"},
        {"cmdUnPossess", "UnPossess", "unpossess"},
        {"cmdDress", "Dress", "dress mage"},
        {"cmdItemInfo", "Item Info", "iteminfo"},
        {"cmdWhat", "What", "what"},
        {"cmdNudgeUp", "Nudge Up", "pz 1"},
        {"cmdNudgeDown", "Nudge Down", "mz 1"},
        {"cmdMovetoCont", "Move to Cont", "movetocont"},
        {"cmdItemsMoveContainer", "Move Item", "moveitem"},
        {"cmdSetMovable", "Movable", "setmovable 1"},
        {"cmdSetUnmovable", "Unmovable", "setmovable 0"},
        {"cmdLock", "Lock", "lock"},
        {"cmdUnlock", "Unlock", "unlock"},
        {"cmdRelock", "Relock", "relock"},
        {"cmdRekey", "Rekey", "rekey"},
        {"cmdMakeKey", "Make Key", "makekey"},
        {"cmdNewbie", "Newbie", "newbie"},
        {"cmdDestroy", "Destroy", "destroy"},
        {"cmdLockRadius", "Lock Radius", "lockradius 5"},
        {"cmdUnlockRadius", "UnlockRadius", "unlockradius 5"},
        {"cmdDestroyRadius", "DestroyRadius", "destroyradius 5"},
        {"cmdItemSetProp", "Set Prop", "setprop color 1153"},
        {"cmdItemGetProp", "Get Prop", "getprop objtype"},
        {"cmdMakeMagic", "Make Magic", "makemagic ebolt"},
        {"cmdTravelGotoPlayer", "Go Player", "goto "},
        {"cmdTravelTele", "Tele", "tele"},
        {"cmdTravelMtele", "Multi Tele", "mtele"},
        {"cmdTravelTeleto", "Tele to", "teleto"},
        {"cmdTravelWhere", "Where", "where"},
        {"cmdCastSpell", "Cast Spell", "cast 9"},
        {"cmdPlayMusic", "Play Music", "music 9"},
        {"cmdPlaySound", "Play Sound", "sfx 1"},
        {"cmdClearRegion", "Clear Region", "cr 10"},
        {"cmdDepop", "Depop", "depop"},
        {"cmdCreateSpawnrune", "Create Spawnrune", "create spawnrune"},
        {"cmdSpawngo", "Goto Spawn", "spawngo"},
        {"cmdRuneGo", "Goto Rune", "runego 3"},
        {"cmdShowRune", "Show Rune", "showrune"},
        {"cmdHideRune", "Hide Rune", "hiderune"},
        {"cmdGlobalShow", "Global Show", "globalshow"},
        {"cmdGlobalHide", "Global Hide", "globalhide"},
    };
    for (const auto& row : rows) {
        auto* button = h.find<QPushButton>(row.button);
        ASSERT_NE(button, nullptr) << row.button;
        EXPECT_EQ(button->text().toStdString(), row.caption) << row.button;
        EXPECT_EQ(commandOf(row.button), row.command) << row.button;
    }
    EXPECT_TRUE(h.dialogs.messages.empty());
    EXPECT_EQ(std::size(rows),
              catalogueButtons().size() - 3);  // all but Start POL, About, RegionSpawnCFG
}

TEST_F(CatalogueFixture, EmptyFieldsAreSentAsTheyAreWithTrailingBlanksKept) {
    EXPECT_EQ(commandOf("cmdSquelch"), "squelch ");
    field("txtSetSkill")->setText("50");
    EXPECT_EQ(commandOf("cmdSetSkill"), "setskill -1 50");
    EXPECT_EQ(commandOf("cmdMakeMagic"), "makemagic ");
    EXPECT_EQ(commandOf("cmdItemSetProp"), "setprop  ");
    EXPECT_EQ(commandOf("cmdPlaSetProp"), "setprop  ");
    field("txtUnloadText")->setText("  spaced  ");
    EXPECT_EQ(commandOf("cmdServUnload"), "unload   spaced  ");
}

TEST_F(CatalogueFixture, NewsAndDressRefuseAnEmptyChoice) {
    EXPECT_EQ(commandOf("cmdNews"), "<nothing>");
    EXPECT_EQ(commandOf("cmdDress"), "<nothing>");
    EXPECT_EQ(
        h.dialogs.messages,
        (std::vector<std::string>{"Please select an option in the dropdown box",
                                  "You must first select a style of dress in the dropdown box"}));
    combo("ComboNews")->setCurrentIndex(2);
    EXPECT_EQ(commandOf("cmdNews"), "news delete");
}

TEST_F(CatalogueFixture, SelectionsFillTheNumberFields) {
    combo("cboSpells")->setCurrentIndex(0);  // Agility
    EXPECT_EQ(field("TextSpellNumber")->text(), "9");
    EXPECT_EQ(commandOf("cmdCastSpell"), "cast 9");
    combo("cboSpells")->setCurrentIndex(63);  // Weaken
    EXPECT_EQ(field("TextSpellNumber")->text(), "8");
    combo("cboSongs")->setCurrentIndex(27);  // MIDI_OLDULT01
    EXPECT_EQ(field("TextSongs")->text(), "0");
    combo("cboPlaySound")->setCurrentIndex(587);
    EXPECT_EQ(field("TextPlaySound")->text(), "588");
    field("TextPlaySound")->setText("77");  // typed by hand
    EXPECT_EQ(commandOf("cmdPlaySound"), "sfx 77");
    EXPECT_EQ(combo("cboSetSkill")->count(), 49);
    EXPECT_EQ(combo("cboPlayerGetProp")->count(), 31);
    EXPECT_EQ(combo("cboMakeMagic")->count(), 64);
    EXPECT_EQ(combo("cboSongs")->count(), 49);
    EXPECT_EQ(combo("cboPlaySound")->count(), 588);
    EXPECT_EQ(menu->state().ListSpellNames.size(), 64u);
}

TEST_F(CatalogueFixture, EnterReleasedInTheBroadcastFieldBroadcasts) {
    auto* edit = field("txtServBcastText");
    edit->setText("Welcome!");
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(edit, &press);
    EXPECT_TRUE(h.desktop.typed.empty());
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(edit, &release);
    ASSERT_EQ(h.desktop.typed.size(), 1u);
    EXPECT_EQ(platform::describeKeyStrokes(h.desktop.typed[0]), "\n.bcast Welcome!");
}

TEST_F(CatalogueFixture, UpDownArrowsStepTheirField) {
    auto* arrows = h.find<QWidget>("UpDown1");
    ASSERT_NE(arrows, nullptr);
    auto* up = arrows->findChild<QAbstractButton*>("up");
    auto* down = arrows->findChild<QAbstractButton*>("down");
    up->click();
    up->click();
    EXPECT_EQ(field("txtSetSkill")->text(), "2");
    down->click();
    EXPECT_EQ(field("txtSetSkill")->text(), "1");
}

TEST_F(CatalogueFixture, RegionSpawnCfgIsNotActiveAndStartPolStartsTheServerInItsFolder) {
    EXPECT_EQ(commandOf("cmdEditRegionSpawncfg"), "<nothing>");
    EXPECT_EQ(h.dialogs.messages, std::vector<std::string>{"This command is not active yet."});

    const std::string folder = h.folder.path().string() + "/";
    menu->setupPage()->txtConfigPOLDir->setText(QString::fromStdString(folder));
    h.find<QPushButton>("cmdServStartPOL")->click();
#ifdef _WIN32
    // Windows' shell is handed pol.exe, and fails silently where there is none.
    ASSERT_EQ(h.shell.opened.size(), 1u);
    EXPECT_EQ(h.shell.opened[0].first, folder + "pol.exe");
#else
    EXPECT_TRUE(h.shell.opened.empty());  // no server program: nothing, silently
    h.folder.write("pol", "#!/bin/sh\n");
    h.find<QPushButton>("cmdServStartPOL")->click();
    ASSERT_EQ(h.shell.opened.size(), 1u);
    EXPECT_EQ(h.shell.opened[0].first, (h.folder / "pol").string());
#endif
    EXPECT_EQ(h.shell.opened[0].second, std::filesystem::path(folder));
    EXPECT_EQ(h.dialogs.messages.size(), 1u);
}

TEST_F(CatalogueFixture, AboutOpensModelessWithItsCaptionAndVersionEveryTime) {
    h.find<QPushButton>("cmdServAbout")->click();
    auto* about = menu->aboutWindow();
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    EXPECT_FALSE(about->isModal());
    EXPECT_EQ(about->windowTitle(), "About Kajmar Console");
    EXPECT_EQ(about->lblVersion->text(), "Version 1.7.28");
    about->lblVersion->setText("Version");
    about->findChild<QPushButton*>("cmdOK")->click();
    EXPECT_FALSE(about->isVisible());
    h.find<QPushButton>("cmdServAbout")->click();
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(about->lblVersion->text(), "Version 1.7.28");
}

}  // namespace
}  // namespace kaj::console
