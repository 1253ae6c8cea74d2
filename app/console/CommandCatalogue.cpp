#include "CommandCatalogue.h"

#include <filesystem>

#include "FileLookup.h"
#include "PathText.h"

namespace kaj::console {
namespace {

enum Tab { Server = 0, GM, Player, Npc, Item, Travel, Launcher, Misc, Spawns };

constexpr Argument text(const char* control) {
    return {ArgumentKind::Text, control};
}
constexpr Argument position(const char* control) {
    return {ArgumentKind::SelectedPosition, control};
}
constexpr Argument spellKeyword(const char* control) {
    return {ArgumentKind::SpellKeyword, control};
}

std::string argumentText(const Argument& argument, const ArgumentReader& reader) {
    switch (argument.kind) {
        case ArgumentKind::None:
            return {};
        case ArgumentKind::Text:
            return reader.text(argument.control);
        case ArgumentKind::SelectedPosition:
            return std::to_string(reader.selectedPosition(argument.control));
        case ArgumentKind::SpellKeyword: {
            const int selected = reader.selectedPosition(argument.control);
            return selected < 0 ? std::string() : reader.spellKeyword(selected);
        }
    }
    return {};
}

}  // namespace

const std::vector<CatalogueButton>& catalogueButtons() {
    using enum ButtonAction;
    static const std::vector<CatalogueButton> table = {
        // Server tab.
        {{Server, "", 0, 0}, "cmdServSavenow", "Save Now", "savenow"},
        {{Server, "", 1, 0}, "cmdServTime", "Time", "time"},
        {{Server, "", 2, 0}, "cmdServOrphans", "Orphans", "orphans"},
        {{Server, "", 3, 0}, "cmdServObjcount", "Object Count", "objcount"},
        {{Server, "", 0, 1}, "cmdServProcs", "Processes", "procs"},
        {{Server, "", 1, 1}, "cmdServThreads", "Threads", "threads"},
        {{Server, "", 2, 1}, "cmdServRPM", "RPM", "rpm"},
        {{Server, "", 3, 1}, "cmdServShutdown", "Shut Down", "shutdown"},
        {{Server, "", 0, 3},
         "cmdServUnloadCFG",
         "UnloadCFG",
         "unloadcfg ",
         text("txtUnloadCFGText")},
        {{Server, "", 1, 3}, "cmdServUnload", "Unload", "unload ", text("txtUnloadText")},
        {{Server, "", 0, 2}, "cmdServUnloadAll", "Unload All", "unloadall"},
        {{Server, "", 2, 3}, "cmdServBcast", "Broadcast", "bcast ", text("txtServBcastText")},
        {{Server, "", 1, 2}, "cmdServOnline", "List Clients", "online"},
        {{Server, "", 2, 2}, "cmdConnections", "Connections", "constat"},
        {{Server, "", 3, 2}, "cmdServStartPOL", "Start POL", "", {}, {}, StartPol},
        {{Server, "", 3, 3}, "cmdServAbout", "About", "", {}, {}, ShowAbout},

        // GM tab.
        {{GM, "", 0, 0}, "cmdGMSetCMD", "CMD Level", "setcmdlevel ", text("cboGMcmdlevel")},
        {{GM, "", 1, 0}, "cmdGMSetPriv", "Set Priv", "grantpriv ", text("cboGMSetPriv")},
        {{GM, "", 2, 0}, "cmdGMRevokePriv", "Revoke Priv", "revokepriv ", text("cboGMRevokePriv")},
        {{GM, "", 3, 0}, "cmdGMEnablePriv", "Enable Priv", "enable ", text("cboGMEnablePriv")},
        {{GM, "", 0, 2}, "cmdGMpage", "GM Pages", "gmpage"},
        {{GM, "", 1, 2}, "cmdCounPage", "Coun Pages", "page"},
        {{GM, "", 2, 6},
         "cmdNews",
         "News",
         "news ",
         text("ComboNews"),
         {},
         SendCommand,
         "Please select an option in the dropdown box"},
        {{GM, "", 2, 2}, "cmdGMArmor", "Armor", "armor"},
        {{GM, "", 3, 2}, "cmdGMBank", "Bank", "bank"},
        {{GM, "", 0, 3}, "cmdGMPowerup", "Power Up", "powerup"},
        {{GM, "", 1, 3}, "cmdGMPowerDown", "Power Down", "powerdown"},
        {{GM, "", 2, 3}, "cmdGMMyPrivs", "My Privs", "privs"},
        {{GM, "", 3, 3}, "cmdGMHide", "Hide Me", "hideme"},
        {{GM, "", 0, 4}, "cmdGMRefresh", "Refresh Me", "refreshme"},
        {{GM, "", 1, 4}, "cmdGMResme", "Res Me", "resme"},
        {{GM, "", 2, 4}, "cmdGMConceal", "ConcealMe", "concealme"},
        {{GM, "", 3, 4}, "cmdGMUnconceal", "Unconceal", "unconcealme"},
        {{GM, "", 0, 5}, "cmdGMThaw", "Thaw Me", "thawme"},
        {{GM, "", 1, 5}, "cmdGMClothGM", "GM Form", "gm"},
        {{GM, "", 2, 5}, "cmdGMMyClothing", "My Form", "myform"},
        {{GM, "", 3, 5}, "cmdMakespellbook", "Spell Book", "spellbook"},
        {{GM, "", 0, 6}, "cmdMakeTele", "Make Tele", "maketele"},
        {{GM, "", 1, 6}, "cmdAddgoloc", "Add GoLoc", "addgoloc"},

        // Player tab.
        {{Player, "", 0, 3}, "cmdPlaInfo", "Info", "info"},
        {{Player, "", 1, 3}, "cmdPlaGoto", "Goto Player", "goto "},
        {{Player, "", 2, 3}, "cmdPlaRefresh", "Refresh", "refresh"},
        {{Player, "", 3, 3}, "cmdPlaRes", "Res", "res"},
        {{Player, "", 0, 4}, "cmdPLayerResurrect", "Resurrect", "res"},
        {{Player, "", 1, 4}, "cmdPlaKill", "Kill", "kill"},
        {{Player, "", 2, 4}, "cmdPlaMessage", "Message", "message "},
        {{Player, "", 3, 4}, "cmdPlaShave", "Shave", "shave"},
        {{Player, "", 0, 5}, "cmdPlaBuzz", "Hair Cut", "buzz"},
        {{Player, "", 1, 5}, "cmdPlaWipeBank", "Wipe Bank", "wipebank"},
        {{Player, "", 2, 5}, "cmdPlaFreeze", "Freeze", "freeze"},
        {{Player, "", 3, 5}, "cmdPlaThaw", "Thaw", "thaw"},
        {{Player, "", 0, 6}, "cmdPlaKick", "Player Kick", "kick"},
        {{Player, "", 1, 6}, "cmdPlayerGrab", "Grab", "grab"},
        {{Player, "", 2, 6}, "cmdPLayerShowStats", "Show Stats", "showstats"},
        {{Player, "", 3, 6}, "cmdPLayerWhereShip", "Where Ship", "whereship"},
        {{Player, "", 0, 0},
         "cmdSetSkill",
         "Set Skill",
         "setskill ",
         position("cboSetSkill"),
         text("txtSetSkill")},
        {{Player, "", 1, 0},
         "cmdPlaSetProp",
         "Set Prop",
         "setprop ",
         text("cboPlayerSetProp"),
         text("txtPlayerSetPropValue")},
        {{Player, "", 2, 0}, "cmdPlaGetProp", "Get Prop", "getprop ", text("cboPlayerGetProp")},
        {{Player, "", 3, 0}, "cmdSquelch", "Squelch", "squelch ", text("txtSquelch")},
        {{Player, "", 2, 2}, "cmdUnsquelch", "UnSquelch", "squelch 0"},
        {{Player, "", 3, 2}, "cmdPermaSquelch", "PermaSquelch", "squelch -1"},

        // Npc tab.
        {{Npc, "", 0, 0}, "cmdNpcInfo", "Info", "info"},
        {{Npc, "Frame2", 2, 0}, "cmdNpcKill", "Kill NPC", "kill"},
        {{Npc, "", 1, 0}, "cmdNpcFreeze", "Freeze", "freeze"},
        {{Npc, "", 2, 0}, "cmdNpcThaw", "Thaw", "thaw"},
        {{Npc, "", 3, 0}, "cmdNpcRecreate", "Recreate NPC", "recreate"},
        {{Npc, "", 0, 1}, "cmdNpcRestart", "Restart NPC", "restart"},
        {{Npc, "", 2, 3}, "cmdNpcKeyword", "Keyword", "keyword ", text("TextKeyword")},
        {{Npc, "", 1, 1}, "cmdNpcShowscript", "Show Script", "showscript"},
        {{Npc, "", 2, 1}, "cmdNpcAttack", "NPC Attack", "attack"},
        {{Npc, "", 3, 1}, "cmdNpcEquip", "Equip Item", "equip"},
        {{Npc, "", 0, 2}, "cmdNpcTame", "Tame NPC", "tame"},
        {{Npc, "", 1, 2}, "cmdNpcKeyItem", "Key Item", "keyitem"},
        {{Npc, "", 2, 2}, "cmdNpcWipe", "Wipe All NPCs", "npcwipe"},
        {{Npc, "", 3, 2}, "cmdOpenPack", "Open Pack", "openpack"},
        {{Npc, "", 0, 3}, "cmdPossess", "Possess", "possess"},
        {{Npc, "", 1, 3}, "cmdUnPossess", "UnPossess", "unpossess"},
        {{Npc, "", 3, 3},
         "cmdDress",
         "Dress",
         "dress ",
         text("ComboDress"),
         {},
         SendCommand,
         "You must first select a style of dress in the dropdown box"},

        // Item tab: five rows, the tab with the most commands.
        {{Item, "", 1, 2}, "cmdItemInfo", "Item Info", "iteminfo"},
        {{Item, "", 2, 2}, "cmdWhat", "What", "what"},
        {{Item, "", 3, 2}, "cmdNudgeUp", "Nudge Up", "pz 1"},
        {{Item, "", 4, 2}, "cmdNudgeDown", "Nudge Down", "mz 1"},
        {{Item, "", 0, 3}, "cmdMovetoCont", "Move to Cont", "movetocont"},
        {{Item, "", 1, 3}, "cmdItemsMoveContainer", "Move Item", "moveitem"},
        {{Item, "", 2, 3}, "cmdSetMovable", "Movable", "setmovable 1"},
        {{Item, "", 3, 3}, "cmdSetUnmovable", "Unmovable", "setmovable 0"},
        {{Item, "", 4, 3}, "cmdLock", "Lock", "lock"},
        {{Item, "", 0, 4}, "cmdUnlock", "Unlock", "unlock"},
        {{Item, "", 1, 4}, "cmdRelock", "Relock", "relock"},
        {{Item, "", 2, 4}, "cmdRekey", "Rekey", "rekey"},
        {{Item, "", 3, 4}, "cmdMakeKey", "Make Key", "makekey"},
        {{Item, "", 4, 4}, "cmdNewbie", "Newbie", "newbie"},
        {{Item, "Frame3", 2, 0}, "cmdDestroy", "Destroy", "destroy"},
        {{Item, "", 3, 0}, "cmdLockRadius", "Lock Radius", "lockradius ", text("txtRadius")},
        {{Item, "", 3, 1}, "cmdUnlockRadius", "UnlockRadius", "unlockradius ", text("txtRadius")},
        {{Item, "", 4, 1},
         "cmdDestroyRadius",
         "DestroyRadius",
         "destroyradius ",
         text("txtRadius")},
        {{Item, "", 0, 0},
         "cmdItemSetProp",
         "Set Prop",
         "setprop ",
         text("cboItemSetProp"),
         text("txtItemAmount")},
        {{Item, "", 1, 0}, "cmdItemGetProp", "Get Prop", "getprop ", text("cboItemGetProp")},
        {{Item, "", 2, 0},
         "cmdMakeMagic",
         "Make Magic",
         "makemagic ",
         spellKeyword("cboMakeMagic")},

        // Travel tab, frame "Travel Commands".
        {{Travel, "Frame12", 0, 1}, "cmdTravelGotoPlayer", "Go Player", "goto "},
        {{Travel, "Frame12", 1, 0}, "cmdTravelTele", "Tele", "tele"},
        {{Travel, "Frame12", 1, 1}, "cmdTravelMtele", "Multi Tele", "mtele"},
        {{Travel, "Frame12", 2, 0}, "cmdTravelTeleto", "Tele to", "teleto"},
        {{Travel, "Frame12", 2, 1}, "cmdTravelWhere", "Where", "where"},

        // Misc tab.
        {{Misc, "Frame6", 1, 1}, "cmdCastSpell", "Cast Spell", "cast ", text("TextSpellNumber")},
        {{Misc, "Frame7", 1, 1}, "cmdPlayMusic", "Play Music", "music ", text("TextSongs")},
        {{Misc, "Frame8", 1, 1}, "cmdPlaySound", "Play Sound", "sfx ", text("TextPlaySound")},

        // Spawns tab.
        {{Spawns, "Frame9", 0, 0},
         "cmdClearRegion",
         "Clear Region",
         "cr ",
         text("TextClearRegion")},
        {{Spawns, "Frame9", 1, 0}, "cmdDepop", "Depop", "depop"},
        {{Spawns, "Frame9", 2, 0, 2},
         "cmdEditRegionSpawncfg",
         "Edit RegionSpawnCFG",
         "",
         {},
         {},
         NotActiveYet},
        {{Spawns, "Frame10", 0, 0}, "cmdCreateSpawnrune", "Create Spawnrune", "create spawnrune"},
        {{Spawns, "Frame10", 0, 1}, "cmdSpawngo", "Goto Spawn", "spawngo"},
        {{Spawns, "Frame10", 1, 0}, "cmdRuneGo", "Goto Rune", "runego ", text("TextRunego")},
        {{Spawns, "Frame10", 2, 0}, "cmdShowRune", "Show Rune", "showrune"},
        {{Spawns, "Frame10", 2, 1}, "cmdHideRune", "Hide Rune", "hiderune"},
        {{Spawns, "Frame10", 3, 0}, "cmdGlobalShow", "Global Show", "globalshow"},
        {{Spawns, "Frame10", 3, 1}, "cmdGlobalHide", "Global Hide", "globalhide"},
    };
    return table;
}

const std::vector<ArgumentControl>& argumentControls() {
    using enum ControlKind;
    using L = DropDownList;
    static const std::vector<ArgumentControl> table = {
        {{Server, "", 0, 4}, "txtUnloadCFGText", "Configuration file to unload", LineEdit},
        {{Server, "", 1, 4}, "txtUnloadText", "Script to unload", LineEdit},
        {{Server, "", 2, 4}, "txtServBcastText", "Broadcast text", LineEdit},

        {{GM, "", 0, 1}, "cboGMcmdlevel", "Command level", EditableComboBox, L::CommandLevels},
        {{GM, "", 1, 1}, "cboGMSetPriv", "Privilege to set", EditableComboBox, L::Privileges},
        {{GM, "", 2, 1}, "cboGMRevokePriv", "Privilege to revoke", EditableComboBox, L::Privileges},
        {{GM, "", 3, 1}, "cboGMEnablePriv", "Privilege to enable", EditableComboBox, L::Privileges},
        {{GM, "", 3, 6}, "ComboNews", "News option", EditableComboBox, L::News},

        {{Player, "", 0, 1}, "cboSetSkill", "Skill", ListComboBox, L::Skills},
        {{Player, "", 0, 2}, "txtSetSkill", "Skill value", LineEdit},
        {{Player, "", 0, 2}, "UpDown1", nullptr, UpDown, L::None, "txtSetSkill"},
        {{Player, "", 1, 1},
         "cboPlayerSetProp",
         "Player property to set",
         EditableComboBox,
         L::Properties},
        {{Player, "", 1, 2}, "txtPlayerSetPropValue", "Player property value", LineEdit},
        {{Player, "", 2, 1},
         "cboPlayerGetProp",
         "Player property to get",
         EditableComboBox,
         L::Properties},
        {{Player, "", 3, 1}, "txtSquelch", "Squelch duration", LineEdit},
        {{Player, "", 3, 1}, "UpDown3", nullptr, UpDown, L::None, "txtSquelch"},

        {{Npc, "", 2, 4}, "TextKeyword", "Keyword", LineEdit},
        {{Npc, "", 3, 4}, "ComboDress", "Dress style", EditableComboBox, L::Dress},

        {{Item, "", 0, 1},
         "cboItemSetProp",
         "Item property to set",
         EditableComboBox,
         L::Properties},
        {{Item, "", 0, 2}, "txtItemAmount", "Item property value", LineEdit},
        {{Item, "", 1, 1},
         "cboItemGetProp",
         "Item property to get",
         EditableComboBox,
         L::Properties},
        {{Item, "", 4, 0}, "txtRadius", "Radius", LineEdit},
        {{Item, "", 4, 0}, "UpDown2", nullptr, UpDown, L::None, "txtRadius"},
        {{Item, "", 2, 1}, "cboMakeMagic", "Magic spell", ListComboBox, L::Spells},

        {{Misc, "Frame6", 0, 0, 2}, "cboSpells", "Spell", ListComboBox, L::Spells},
        {{Misc, "Frame6", 1, 0}, "TextSpellNumber", "Spell number", LineEdit},
        {{Misc, "Frame7", 0, 0, 2}, "cboSongs", "Music", ListComboBox, L::Music},
        {{Misc, "Frame7", 1, 0}, "TextSongs", "Music number", LineEdit},
        {{Misc, "Frame8", 0, 0, 2}, "cboPlaySound", "Sound effect", ListComboBox, L::Sounds},
        {{Misc, "Frame8", 1, 0}, "TextPlaySound", "Sound effect number", LineEdit},

        {{Spawns, "Frame9", 0, 1}, "TextClearRegion", "Clear region radius", LineEdit},
        {{Spawns, "Frame10", 1, 1}, "TextRunego", "Rune number", LineEdit},
    };
    return table;
}

std::string buildCommandText(const CatalogueButton& button, const ArgumentReader& reader) {
    std::string command = button.verb;
    command += argumentText(button.first, reader);
    if (button.second.kind != ArgumentKind::None) {
        command += ' ';
        command += argumentText(button.second, reader);
    }
    return command;
}

std::string polProgramPath(const std::string& polFolder, bool preferWindowsProgram) {
    const std::filesystem::path folder = platform::pathFromText(polFolder);
    if (preferWindowsProgram) {
        return polFolder + "pol.exe";
    }
    if (auto found = platform::findCaseInsensitive(folder, "pol.exe")) {
        return platform::textOfPath(*found);
    }
    if (auto found = platform::findCaseInsensitive(folder, "pol")) {
        return platform::textOfPath(*found);
    }
    return {};
}

}  // namespace kaj::console
