#include "KajSettings.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "FileSystemTraits.h"
#include "InjectedFileFault.h"
#include "TempFolder.h"

namespace kaj::console {
namespace {

using kaj::testing::TempFolder;

ConsoleSettings load(const std::vector<std::string>& lines) {
    ConsoleSettings settings;
    applyIniLines(settings, lines);
    return settings;
}

TEST(KajSettings, KeysMatchInAnyCaseButOnlyAtTheStartAndRightBeforeEquals) {
    const auto s = load({"polpath=  C:\\POL\\  ", "UOPATH =C:\\UO\\", " LASTIP=1.2.3.4",
                         "LastPort=2593", "; comment", "", "UNKNOWN=1", "SENDENTER=1"});
    EXPECT_EQ(s.polPath, "C:\\POL\\");
    EXPECT_EQ(s.uoPath, "");
    EXPECT_EQ(s.lastIp, "");
    EXPECT_EQ(s.lastPort, "2593");
    EXPECT_TRUE(s.isOn(Option::SendEnter));
}

TEST(KajSettings, FoldersAreWrittenAsUtf8AndOlderWindows1252FoldersStillRead) {
    ConsoleSettings s;
    s.polPath = "C:\\Users\\\xD0\x90\xD0\xBD\xD0\xB4\xD1\x80\xD0\xB5\xD0\xB9\\POL\\";  // Андрей
    s.uoPath = "D:\\Gry\\\xC5\x81\xC3\xB3\x64\xC5\xBA\\";                              // Łódź
    s.lastServer = "Caf\xE9";
    const auto lines = iniLines(s);
    EXPECT_EQ(lines[0], "POLPATH=" + s.polPath);
    EXPECT_EQ(lines[1], "UOPATH=" + s.uoPath);
    EXPECT_EQ(lines[2], "LASTSERVER=Caf\xE9");  // every other text stays Windows-1252
    const auto back = load(lines);
    EXPECT_EQ(back.polPath, s.polPath);
    EXPECT_EQ(back.uoPath, s.uoPath);
    EXPECT_EQ(back.lastServer, s.lastServer);

    const auto older = load({"POLPATH=C:\\Jeux d'\xE9t\xE9\\", "UOPATH=C:\\UO\\"});
    EXPECT_EQ(older.polPath, "C:\\Jeux d'\xC3\xA9t\xC3\xA9\\");
    EXPECT_EQ(older.uoPath, "C:\\UO\\");
}

TEST(KajSettings, AbsentKeysKeepTheirDefaults) {
    const auto s = load({});
    EXPECT_EQ(s.optionStates, (std::array<int, kOptionCount>{0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(s.positions, (std::array<std::int16_t, kWindowPositionCount>{}));
    for (const auto& entry : s.ListUserCommands) {
        EXPECT_EQ(entry, " | ");
    }
}

TEST(KajSettings, ShardsAreSortedWithTheirNamesAtTheSameIndex) {
    const auto s =
        load({"SERVER=Zeta|z.example|2593|zed|pw|C:\\UO\\client.exe",
              "SERVER=alpha|a.example|5003|al|pw|C:\\UO\\client.exe", "SERVER=Beta||2593|b|pw|"});
    EXPECT_EQ(s.ListShards, (std::vector<std::string>{"alpha", "Beta", "Zeta"}));
    ASSERT_EQ(s.ListServers.size(), 3u);
    EXPECT_TRUE(s.ListServers[0].starts_with("alpha|"));
    EXPECT_TRUE(s.ListServers[2].starts_with("Zeta|"));
    const auto lines = iniLines(s);
    const auto first =
        std::find_if(lines.begin(), lines.end(), [](auto& l) { return l.starts_with("SERVER="); });
    ASSERT_NE(first, lines.end());
    EXPECT_EQ(*first, "SERVER=alpha|a.example|5003|al|pw|C:\\UO\\client.exe");
}

TEST(KajSettings, LoadingAgainReplacesTheShardsInsteadOfAddingToThem) {
    ConsoleSettings s;
    applyIniLines(s, {"SERVER=One|||||"});
    applyIniLines(s, {"SERVER=Two|||||"});
    EXPECT_EQ(s.ListShards, std::vector<std::string>{"Two"});
}

TEST(KajSettings, BadPositionsAndOptionStatesAreRepaired) {
    const auto s =
        load({"WINLEFT=abc", "WINTOP=12.5", "MAPLEFT=99999", "MAPTOP=-40000", "ITEMLEFT=-150",
              "ITEMTOP=+30", "NPCLEFT=", "NPCTOP=99999999999999999999999", "LOADSCRIPTS=2",
              "SENDENTER=7", "STAYONTOP=-1", "USEKAJSCRIPTS=x"});
    EXPECT_EQ(s.positions, (std::array<std::int16_t, kWindowPositionCount>{0, 0, 32767, -32768,
                                                                           -150, 30, 0, 32767}));
    EXPECT_EQ(s.optionState(Option::LoadScripts), 2);
    EXPECT_FALSE(s.isOn(Option::LoadScripts));  // only 1 counts as on
    EXPECT_EQ(s.optionState(Option::SendEnter), 0);
    EXPECT_EQ(s.optionState(Option::StayOnTop), 0);
    EXPECT_EQ(s.optionState(Option::UseKajScripts), 0);
}

TEST(KajSettings, UserCommandsReadTrimmedAndAnEmptyValueIsAnEmptySlot) {
    const auto s = load({"USERCMD0=Where|where", "USERCMD23=  Hi | Hi{ENTER}  ",
                         "USERCMD5=", "USERCMD7= | ", "USERCMD10=Caption only"});
    EXPECT_EQ(s.ListUserCommands[0], "Where|where");
    EXPECT_EQ(s.ListUserCommands[23], "Hi | Hi{ENTER}");
    EXPECT_EQ(s.ListUserCommands[5], " | ");
    EXPECT_EQ(s.ListUserCommands[7], "|");
    EXPECT_EQ(s.ListUserCommands[1], " | ");
    EXPECT_EQ(userCommandCaption(s.ListUserCommands[0]), "Where");
    EXPECT_EQ(userCommandCaption(s.ListUserCommands[10]), "Caption only");
    EXPECT_EQ(userCommandCaption(" | "), " ");
}

TEST(KajSettings, SavedFileListsKeysInOrderAndReadsBackWhole) {
    ConsoleSettings s;
    s.polPath = "  C:\\POL\\ ";
    s.uoPath = "/home/gm/uo/";
    s.lastServer = " Alpha ";
    s.lastIp = "10.0.0.1";
    s.lastAccount = "gm";
    s.lastPassword = "p\xE9ss word";
    s.lastPort = "5003";
    s.lastClient = "C:\\UO\\client.exe";
    s.optionStates = {1, 1, 0, 1, 2, 0};
    s.positions = {1500, 300, -45, 6000, 32767, -32768, 15, 30};
    s.addServer("Zeta|z|1|a|b|c");
    s.addServer("Alpha|a|1|a|b|c");
    s.ListUserCommands[0] = "Where|where";
    s.ListUserCommands[9] = "Odd|+{F5}~";

    const auto lines = iniLines(s);
    ASSERT_GE(lines.size(), 24u);
    EXPECT_EQ(lines[0], "POLPATH=C:\\POL\\");
    EXPECT_EQ(lines[1], "UOPATH=/home/gm/uo/");
    EXPECT_EQ(lines[2], "LASTSERVER= Alpha ");
    EXPECT_EQ(lines[8], "LOADSCRIPTS=1");
    EXPECT_EQ(lines[13], "USEKAJSCRIPTS=0");
    EXPECT_EQ(lines[14], "WINLEFT=1500");
    EXPECT_EQ(lines[21], "NPCTOP=30");
    EXPECT_EQ(lines[22], "SERVER=Alpha|a|1|a|b|c");
    EXPECT_EQ(lines[24], "USERCMD0=Where|where");
    EXPECT_EQ(lines[47], "USERCMD23= | ");
    // The client the commands go to comes last, after the keys of older files.
    EXPECT_EQ(lines[48], "CLIENTKIND=classic");
    EXPECT_EQ(lines.back(), "CLIENTTITLE=");
    EXPECT_EQ(lines.size(), 24u + 24u + 2u);

    TempFolder folder;
    const auto file = folder / "Kaj.ini";
    ASSERT_TRUE(saveIniFile(file, s).ok);
    ConsoleSettings back;
    ASSERT_EQ(loadIniFile(file, back), IniLoad::Loaded);
    EXPECT_EQ(back.polPath, "C:\\POL\\");
    EXPECT_EQ(back.lastServer, "Alpha");  // values are trimmed when read
    EXPECT_EQ(back.lastPassword, s.lastPassword);
    EXPECT_EQ(back.optionStates, s.optionStates);
    EXPECT_EQ(back.positions, s.positions);
    EXPECT_EQ(back.ListServers, s.ListServers);
    EXPECT_EQ(back.ListShards, s.ListShards);
    EXPECT_EQ(back.ListUserCommands[9], "Odd|+{F5}~");
    EXPECT_EQ(back.ListUserCommands[1], "|");  // an empty slot reads back as a bare bar
    if (kaj::testing::kFilesHaveModes) {
        EXPECT_EQ(kaj::testing::fileMode(file), 0600u);
    }
}

TEST(KajSettings, MissingFileIsReportedAndAFailedSaveKeepsTheOldFile) {
    TempFolder folder;
    ConsoleSettings s;
    EXPECT_EQ(loadIniFile(folder / "Kaj.ini", s), IniLoad::Missing);
    const auto file = folder.write("Kaj.ini", "POLPATH=old\r\n");
    platform::InjectedFileFault full(1, ENOSPC);
    full.onlyOf(platform::FileStep::Open);
    const auto result = saveIniFile(file, s);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(TempFolder::read(file), "POLPATH=old\r\n");
}

}  // namespace
}  // namespace kaj::console

namespace kaj::console {
namespace {

TEST(KajSettings, TheClientKindAndTitleReadBackAndUnknownKindsAreClassic) {
    ConsoleSettings settings;
    applyIniLines(settings, {"clientkind=ClassicUO", "CLIENTTITLE= My Shard "});
    EXPECT_EQ(settings.clientKind, platform::ClientKind::ClassicUO);
    EXPECT_EQ(settings.clientTitle, "My Shard");
    applyIniLines(settings, {"CLIENTKIND=custom"});
    EXPECT_EQ(settings.clientKind, platform::ClientKind::Custom);
    EXPECT_EQ(settings.clientTitle, "My Shard");  // absent keys keep their values
    applyIniLines(settings, {"CLIENTKIND=razor"});
    EXPECT_EQ(settings.clientKind, platform::ClientKind::Classic);
    ConsoleSettings back;
    settings.clientKind = platform::ClientKind::Custom;
    applyIniLines(back, iniLines(settings));
    EXPECT_EQ(back.clientKind, platform::ClientKind::Custom);
    EXPECT_EQ(back.clientTitle, "My Shard");
}

}  // namespace
}  // namespace kaj::console
