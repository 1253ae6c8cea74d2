#include "DropDownLists.h"

namespace kaj::console {

const std::vector<std::string>& skillNames() {
    static const std::vector<std::string> names = {"Alchemy",
                                                   "Anatomy",
                                                   "Animal Lore",
                                                   "ItemId",
                                                   "ArmsLore",
                                                   "Parry",
                                                   "Begging",
                                                   "Blacksmithy",
                                                   "Bowcraft",
                                                   "Peacemaking",
                                                   "Camping",
                                                   "Carpentry",
                                                   "Cartography",
                                                   "Cooking",
                                                   "DetectingHidden",
                                                   "Enticement",
                                                   "EvaluatingIntelligence",
                                                   "Healing",
                                                   "Fishing",
                                                   "ForensicEvaluation",
                                                   "Herding",
                                                   "Hiding",
                                                   "Provocation",
                                                   "Inscription",
                                                   "Lockpicking",
                                                   "Magery",
                                                   "MagicResistance",
                                                   "Tactics",
                                                   "Snooping",
                                                   "Musicianship",
                                                   "Poisoning",
                                                   "Archery",
                                                   "SpiritSpeak",
                                                   "Stealing",
                                                   "Tailoring",
                                                   "AnimalTaming",
                                                   "TasteIdentification",
                                                   "Tinkering",
                                                   "Tracking",
                                                   "Veterinary",
                                                   "Swordsmanship",
                                                   "Macefighting",
                                                   "Fencing",
                                                   "Wrestling",
                                                   "Lumberjacking",
                                                   "Mining",
                                                   "Meditation",
                                                   "Stealth",
                                                   "RemoveTrap"};
    return names;
}

const std::vector<std::string>& propertyNames() {
    static const std::vector<std::string> names = {"x",
                                                   "y",
                                                   "z",
                                                   "objtype",
                                                   "color",
                                                   "serial",
                                                   "height",
                                                   "facing",
                                                   "name",
                                                   "gender",
                                                   "truecolor",
                                                   "hp",
                                                   "maxhp",
                                                   "mana",
                                                   "maxmana",
                                                   "stamina",
                                                   "maxstamina",
                                                   "strength",
                                                   "dexterity",
                                                   "dead",
                                                   "ar",
                                                   "strength_mod",
                                                   "intelligence_mod",
                                                   "dexterity_mod",
                                                   "graphic",
                                                   "hidden",
                                                   "dmg_mod",
                                                   "maxhp_mod",
                                                   "ar_mod",
                                                   "sellprice",
                                                   "cmdlevel"};
    return names;
}

const std::vector<Spell>& spells() {
    static const std::vector<Spell> list = {
        {"Agility", 9, "agility"},
        {"Arch Cure", 25, "archcure"},
        {"Arch Protection", 26, "archprot"},
        {"Blade Spirit", 33, "blade_spirit"},
        {"Bless", 17, "bless"},
        {"Chain Lightning", 49, "chain_lightning"},
        {"Clumsy", 1, "clumsy"},
        {"Create Food", 2, "create_food"},
        {"Cunning", 10, "cunning"},
        {"Cure", 11, "cure"},
        {"Curse", 27, "curse"},
        {"Dispel", 41, "dispel"},
        {"Dispel Field", 34, "dispel_field"},
        {"Earthquake", 57, "earthquake"},
        {"Energy Bolt", 42, "ebolt"},
        {"Energy Field", 50, "energy_field"},
        {"EnergyVortex", 58, "vortex"},
        {"Explosion", 43, "explosion"},
        {"Feeblemind", 3, "feeblemind"},
        {"Fire Field", 28, "firefield"},
        {"Fireball", 18, "fireball"},
        {"FlameStrike", 51, "fstrike"},
        {"Gate", 52, "gate"},
        {"Greater Heal", 29, "gheal"},
        {"Harm", 12, "harm"},
        {"Heal", 4, "heal"},
        {"Incognito", 35, "incognito"},
        {"Invisibility", 44, "invisibility"},
        {"Lightning", 30, "lightning"},
        {"Magic Arrow", 5, "magicarrow"},
        {"Magic Lock", 19, "magiclock"},
        {"Magic Trap", 13, "magictrap"},
        {"Magic Untrap", 14, "magicuntrap"},
        {"Mana Drain", 31, "manadrain"},
        {"ManaVampire", 53, "manavamp"},
        {"Mark", 45, "mark"},
        {"Mass Curse", 46, "masscurse"},
        {"Mass Dispel", 54, "massdispel"},
        {"Meteor Swarm", 55, "meteor_swarm"},
        {"Mind Blast", 37, "mindblast"},
        {"Night Sight", 6, "nightsight"},
        {"Paralyze", 38, "paralyze"},
        {"Paralyze Field", 47, "parafield"},
        {"Poison", 20, "poison"},
        {"Poison Field", 39, "poisonfield"},
        {"Polymorph", 56, "polymorph"},
        {"Protection", 15, "protection"},
        {"Reactive Armor", 7, "reactivearmor"},
        {"Recall", 32, "recall"},
        {"Resurrection", 59, "resurrect"},
        {"Reveal", 48, "reveal"},
        {"Spell Reflection", 36, "reflect"},
        {"Strength", 16, "strength"},
        {"Summon Air Elemental", 60, "summon_air"},
        {"Summon Daemon", 61, "summon_daemon"},
        {"Summon Earth Elemental", 62, "summon_earth"},
        {"Summon Fire Elemental", 63, "summon_fire"},
        {"Summon Water Elemental", 64, "summon_water"},
        {"SummonCreature", 40, "summon_creature"},
        {"Telekinesis", 21, "telekinesis"},
        {"Teleport", 22, "teleport"},
        {"Unlock", 23, "magicunlock"},
        {"Wall of Stone", 24, "wallofstone"},
        {"Weaken", 8, "weaken"},
    };
    return list;
}

const std::vector<NumberedEntry>& musicEntries() {
    static const std::vector<NumberedEntry> list = {
        {"MIDI_APPROACH", 41},  {"MIDI_BRITAIN1", 9},  {"MIDI_BRITAIN2", 10}, {"MIDI_BTCASTLE", 44},
        {"MIDI_BUCSDEN", 11},   {"MIDI_CAVE01", 25},   {"MIDI_COMBAT1", 38},  {"MIDI_COMBAT2", 39},
        {"MIDI_COMBAT3", 40},   {"MIDI_COVE", 47},     {"MIDI_CREATE", 1},    {"MIDI_DEATH", 42},
        {"MIDI_DRAGFLIT", 2},   {"MIDI_DUNGEON2", 46}, {"MIDI_DUNGEON9", 26}, {"MIDI_FORRESTA", 27},
        {"MIDI_INTOWN01", 28},  {"MIDI_JEHELOM", 12},  {"MIDI_JUNGLEA", 29},  {"MIDI_LBCASTLE", 13},
        {"MIDI_LINELLE", 14},   {"MIDI_MAGINCIA", 15}, {"MIDI_MINOC", 16},    {"MIDI_MOONGLOW", 48},
        {"MIDI_MOUNTAINA", 30}, {"MIDI_NUJELM", 45},   {"MIDI_OCLLO", 17},    {"MIDI_OLDULT01", 0},
        {"MIDI_OLDULT02", 3},   {"MIDI_OLDULT03", 4},  {"MIDI_OLDULT04", 5},  {"MIDI_OLDULT05", 6},
        {"MIDI_OLDULT06", 7},   {"MIDI_PLAINS", 31},   {"MIDI_SAILING", 32},  {"MIDI_SAMLETHE", 18},
        {"MIDI_SERPENTS", 19},  {"MIDI_SKARABRA", 20}, {"MIDI_STONES", 8},    {"MIDI_SWAMPA", 33},
        {"MIDI_TAVERN01", 34},  {"MIDI_TAVERN02", 35}, {"MIDI_TAVERN03", 36}, {"MIDI_TAVERN04", 37},
        {"MIDI_TRINSIC", 21},   {"MIDI_VERSPER", 22},  {"MIDI_VICTORY", 43},  {"MIDI_WIND", 23},
        {"MIDI_YEW", 24},
    };
    return list;
}

const std::vector<std::string>& soundDescriptions() {
    static const std::vector<std::string> list = [] {
        constexpr int kSoundCount = 588;
        std::vector<std::string> sounds = {
            "Multiple birds chirping", "Multiple birds chirping, slightly longer",
            "Multiple birds chirping, one slightly dominant", "Birds/Owls at night"};
        // No list of the real names of the middle entries exists; their numbers are what counts.
        for (int number = 5; number <= kSoundCount - 5; ++number) {
            sounds.push_back("Sound effect " + std::to_string(number));
        }
        for (const char* last :
             {"Writing on paper?", "Cutting something (cloth?)", "Working with wood/papaer?",
              "Incanting (spellcasting)", "Horse footstep"}) {
            sounds.emplace_back(last);
        }
        return sounds;
    }();
    return list;
}

const std::vector<std::string>& newsActions() {
    static const std::vector<std::string> list = {"read", "write", "delete"};
    return list;
}

const std::vector<std::string>& dressStyles() {
    static const std::vector<std::string> list = {"poor", "rich", "warrior", "mage"};
    return list;
}

const std::vector<std::string>& commandLevels() {
    static const std::vector<std::string> list = {"player", "counselor", "seer",
                                                  "gm",     "admin",     "test"};
    return list;
}

const std::vector<std::string>& privileges() {
    static const std::vector<std::string> list = {"clotheany", "dyeany",        "invul",  "moveany",
                                                  "renameany", "seeinvisitems", "showadv"};
    return list;
}

std::vector<std::string> dropDownTexts(DropDownList list) {
    switch (list) {
        case DropDownList::None:
            return {};
        case DropDownList::Skills:
            return skillNames();
        case DropDownList::Properties:
            return propertyNames();
        case DropDownList::Spells: {
            std::vector<std::string> names;
            for (const auto& spell : spells())
                names.emplace_back(spell.displayName);
            return names;
        }
        case DropDownList::Music: {
            std::vector<std::string> names;
            for (const auto& entry : musicEntries())
                names.emplace_back(entry.name);
            return names;
        }
        case DropDownList::Sounds:
            return soundDescriptions();
        case DropDownList::News:
            return newsActions();
        case DropDownList::Dress:
            return dressStyles();
        case DropDownList::CommandLevels:
            return commandLevels();
        case DropDownList::Privileges:
            return privileges();
    }
    return {};
}

}  // namespace kaj::console
