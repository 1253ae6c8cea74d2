// Every file kajcli reads, replaced by a folder, a FIFO or a dangling link of its
// name: each command answers as it does when the file is missing, and never waits.
#include <gtest/gtest.h>

#include <functional>

#include "ClientDataWriter.h"
#include "OddEntry.h"
#include "RunProgram.h"
#include "TempFolder.h"

namespace kaj::testing {
namespace {

#ifdef _WIN32
const char* const kNullDevice = "NUL";
#else
const char* const kNullDevice = "/dev/null";
#endif

struct Answer {
    int status = 0;
    std::string output;
    std::string errors;
    bool operator==(const Answer&) const = default;
};

void PrintTo(const Answer& answer, std::ostream* out) {
    *out << "status " << answer.status << ", output \"" << answer.output << "\", errors \""
         << answer.errors << "\"";
}

struct Case {
    const char* name;
    std::function<void(const TempFolder&)> fill;  // every file the command reads
    std::vector<std::string> arguments;           // after kajcli; DIR is the folder
    std::vector<const char*> files;               // the ones replaced in turn
};

Answer run(const Case& c, const TempFolder& folder) {
    std::vector<std::string> arguments = {KAJ_KAJCLI};
    for (const auto& argument : c.arguments) {
        arguments.push_back(argument == "DIR" ? folder.path().string() : argument);
    }
    Answer answer;
    answer.status = runProgram(arguments, &answer.errors, &answer.output);
    return answer;
}

std::vector<Case> cases() {
    auto server = [](const TempFolder& f) {
        f.write("config/itemdesc.cfg", "Item 0x1\n{\n\tName\tstone\n}\n");
        f.write("config/npcdesc.cfg", "NpcTemplate orc\n{\n\tName\torc\n}\n");
        f.write("config/cmds.cfg", "CmdLevel Player\n{\n}\nCmdLevel GM\n{\n}\n");
        f.write("pkg/tools/pkg.cfg", "Enabled 1\nName tools\n");
        f.write("pkg/tools/itemdesc.cfg", "Item 0x2\n{\n}\n");
        f.write("pkg/tools/npcdesc.cfg", "NpcTemplate elf\n{\n}\n");
        f.write("data/accounts.txt", "Account\n{\n\tName\tgm\n\tPassword\tx\n\tEnabled\t1\n}\n");
    };
    auto scripts = [](const TempFolder& f) {
        f.write("KajItems.scp", "# Category = A\r\n- Section = B\r\nstone|0x1|0x1\r\n");
        f.write("KajItems2.scp", "# Category = C\r\n- Section = D\r\nmark|0x2|0x2\r\n");
        f.write("KajChar.scp", "Town|Guards|guard|0x190|0\r\n");
        f.write("KajMap.scp", "Towns|Britain|Bank|1434|1699|0\r\n");
    };
    // The client's files, made once and linked into each case's folder.
    auto client = [](const TempFolder& f) {
        static const TempFolder* made = [] {
            auto* folder = new TempFolder;
            clientdata::writeClientData(folder->path(), {.seed = 3});
            clientdata::writeMapData(folder->path(), 3);
            return folder;
        }();
        for (const auto& entry : std::filesystem::directory_iterator(made->path())) {
            std::filesystem::create_hard_link(entry.path(), f / entry.path().filename().string());
        }
        f.write("login.cfg", "LoginServer=x\r\n");
        f.write("uo.cfg", "Music=on\r\n");
    };
    return {
        {"items --pol",
         server,
         {"items", "--pol", "DIR", "--tree"},
         {"config/itemdesc.cfg", "pkg/tools/pkg.cfg", "pkg/tools/itemdesc.cfg", "pkg"}},
        {"npcs --pol",
         server,
         {"npcs", "--pol", "DIR"},
         {"config/npcdesc.cfg", "pkg/tools/npcdesc.cfg"}},
        {"items --scripts",
         scripts,
         {"items", "--scripts", "DIR", "--tree"},
         {"KajItems.scp", "KajItems2.scp"}},
        {"npcs --scripts", scripts, {"npcs", "--scripts", "DIR"}, {"KajChar.scp"}},
        {"travel", scripts, {"travel", "--dir", "DIR"}, {"KajMap.scp"}},
        {"accounts",
         server,
         {"accounts", "--pol", "DIR"},
         {"data/accounts.txt", "config/cmds.cfg"}},
        {"packages", server, {"packages", "--pol", "DIR"}, {"pkg/tools/pkg.cfg"}},
        {"launch",
         client,
         {"launch", "--uo", "DIR", "--name", "S", "--ip", "1.2.3.4", "--port", "5", "--account",
          "a", "--password", "p", "--client", "/bin/sh", "--no-start"},
         {"login.cfg", "uo.cfg"}},
        {"map-height",
         client,
         {"map-height", "--client", "DIR", "100", "100"},
         {"map0.mul", "radarcol.mul"}},
        {"render-art",
         client,
         {"render-art", "--client", "DIR", "--type", "0", "--index", "3", "--color", "2", "--out",
          kNullDevice},
         {"art.mul", "artidx.mul", "hues.mul", "tiledata.mul"}},
    };
}

TEST(OddEntriesCli, EveryFileReadIsTakenAsMissingWhenItIsNoRegularFile) {
    int checked = 0;
    for (const auto& c : cases()) {
        for (const char* file : c.files) {
            TempFolder folder;
            c.fill(folder);
            ASSERT_TRUE(putOddEntry(folder / file, OddEntry::Missing));
            const Answer missing = run(c, folder);
            for (OddEntry odd : kaj::testing::oddEntriesOfThisSystem()) {
                SCOPED_TRACE(std::string(c.name) + ": " + file + " as " + oddEntryName(odd));
                TempFolder again;
                c.fill(again);
                ASSERT_TRUE(putOddEntry(again / file, odd));
                Answer answer = run(c, again);
                // Messages may name the folder, which differs between the two runs.
                for (std::string* text : {&answer.output, &answer.errors}) {
                    for (std::size_t at;
                         (at = text->find(again.path().string())) != std::string::npos;) {
                        text->replace(at, again.path().string().size(), folder.path().string());
                    }
                }
                EXPECT_EQ(answer, missing);
                ++checked;
            }
        }
    }
    EXPECT_EQ(checked, static_cast<int>(kaj::testing::oddEntriesOfThisSystem().size()) * 21);
}

}  // namespace
}  // namespace kaj::testing
