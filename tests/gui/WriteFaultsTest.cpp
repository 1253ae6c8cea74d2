// Every writer of the console, run as a user runs it, with each file step in turn
// failing as a full disk, a failing disk or a refused permission would: the file
// being written is byte for byte as it was, every other file is whole (as before or
// as after), no temporary file is left, and the user is told the path and why.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QListWidget>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <functional>
#include <map>
#include <regex>

#include "FrmPackageManager.h"
#include "InjectedFileFault.h"
#include "LauncherPage.h"
#include "MenuHarness.h"
#include "TravelPage.h"
#include "frmAddLocation.h"
#include "frmEditAccounts.h"

namespace kaj::console {
namespace {

using kaj::testing::MenuHarness;
using kaj::testing::TempFolder;
using Files = std::map<std::string, std::string>;
using platform::FileStep;

// The folders a writer may touch, and what they hold.
struct Scene {
    MenuHarness h;
    TempFolder pol;
    TempFolder uo;
    frmMenu* menu = nullptr;

    Files files() const {
        Files all;
        for (const auto* folder : {&h.folder, &pol, &uo}) {
            for (const auto& entry :
                 std::filesystem::recursive_directory_iterator(folder->path())) {
                if (entry.is_regular_file()) {
                    all[key(entry.path())] = withFoldersNamed(TempFolder::read(entry.path()));
                }
            }
        }
        return all;
    }
    // Settings name the scene's folders; named alike, scenes compare.
    std::string withFoldersNamed(std::string bytes) const {
        const std::pair<const TempFolder*, const char*> folders[] = {
            {&h.folder, "<program>"}, {&pol, "<pol>"}, {&uo, "<uo>"}};
        for (const auto& [folder, name] : folders) {
            const std::string path = folder->path().string();
            for (std::size_t at; (at = bytes.find(path)) != std::string::npos;) {
                bytes.replace(at, path.size(), name);
            }
        }
        return bytes;
    }
    // A file named by its folder and place within it, the same in every scene.
    std::string key(const std::filesystem::path& path) const {
        const std::pair<const TempFolder*, const char*> folders[] = {
            {&h.folder, "program/"}, {&pol, "pol/"}, {&uo, "uo/"}};
        for (const auto& [folder, name] : folders) {
            const auto relative = path.lexically_relative(folder->path());
            if (!relative.empty() && !relative.string().starts_with("..")) {
                return name + relative.generic_string();
            }
        }
        return path.string();
    }
};

struct Writer {
    const char* name;
    std::function<void(Scene&)> prepare;  // the files as a user has them, the window open
    std::function<void(Scene&)> act;      // the clicks that write
};

const std::regex kTemporaryName(R"(\.[0-9]+-[0-9]+\.tmp$)");

std::vector<Writer> writers() {
    auto openWith = [](Scene& s, const std::string& ini) {
        s.h.folder.write("Kaj.ini", ini);
        s.menu = &s.h.open();
    };
    return {
        {"Kaj.ini", [=](Scene& s) { openWith(s, "USEKAJSCRIPTS=1\nLASTSERVER=Old\n"); },
         [](Scene& s) { s.h.find<QPushButton>("cmdSetupSaveConfig")->click(); }},
        {"KajMap.scp",
         [=](Scene& s) {
             s.h.folder.write("KajMap.scp", "C=Towns\nS=Britain\nL=Bank\nP=1434,1699,0\n");
             openWith(s, "USEKAJSCRIPTS=1\r\n");
         },
         [](Scene& s) {
             s.menu->travelPage()->cmdTravelAdd->click();
             s.menu->addLocationWindow()->Text1->setText("Lost");
             s.menu->addLocationWindow()->cmdAdd->click();
         }},
        {"KajItems2.scp and KajChar.scp with their backups",
         [=](Scene& s) {
             s.h.folder.write("KajItems.scp", "# Category = A\n- Section = B\nstone|0x1|0x1\n");
             s.h.folder.write("KajItems2.scp", "# Category = C\n- Section = D\nmark|0x2|0x2\n");
             s.h.folder.write("KajChar.scp", "Town|Guards|guard|0x190|0\n");
             s.h.folder.write("KajItems2.bak", "an old backup\n");
             openWith(s, "LOADSCRIPTS=1\r\nUSEKAJSCRIPTS=1\r\n");
         },
         [](Scene& s) {
             s.h.dialogs.yesNoAnswers = {true};
             s.h.find<QPushButton>("cmdSetupMakeDataFiles")->click();
         }},
        {"login.cfg and uo.cfg",
         [=](Scene& s) {
             s.uo.write("login.cfg", "LoginServer=old\n");
             s.uo.write("uo.cfg", "Music=on\nAcctID=old\n");
             const auto client = s.uo.write("client.exe", "MZ");
             openWith(s, "USEKAJSCRIPTS=1\r\nUOPATH=" + s.uo.path().string() +
                             "/\r\nSERVER=Zeta|10.0.0.9|2593|gm|abc|" + client.string() + "\r\n");
         },
         [](Scene& s) {
             s.menu->launcherPage()->ListShards->setCurrentRow(0);
             s.menu->launcherPage()->cmdLauncherLaunch->click();
         }},
        {"accounts.txt with accounts.old",
         [=](Scene& s) {
             s.pol.write("data/accounts.txt", "Account\n{\n\tName\tgm\n\tPassword\tx\n}\n");
             s.pol.write("data/accounts.old", "an old backup\n");
             openWith(s, "USEKAJSCRIPTS=1\r\nPOLPATH=" + s.pol.path().string() + "/\r\n");
         },
         [](Scene& s) {
             s.h.find<QPushButton>("cmdEditAccounts")->click();
             auto* window = s.menu->accountsWindow();
             window->cmdLoadAccounts->click();
             s.h.dialogs.yesNoAnswers = {true};
             window->cmdSaveAccounts->click();
         }},
        {"pkg.cfg with pkg.old",
         [=](Scene& s) {
             s.pol.write("pkg/tools/pkg.cfg", "Enabled 1\nName tools\n");
             openWith(s, "USEKAJSCRIPTS=1\r\nPOLPATH=" + s.pol.path().string() + "/\r\n");
         },
         [](Scene& s) {
             s.h.find<QPushButton>("cmdEditPKG")->click();
             auto* window = s.menu->packagesWindow();
             window->cmdLoadPackages->click();
             window->listPackageName->setCurrentRow(0);
             window->cmdEdit->click();
             window->OptionDisabled->click();
             s.h.dialogs.yesNoAnswers = {true};
             window->cmdOk->click();
         }},
    };
}

std::vector<std::string> temporaryFiles(const Files& files) {
    std::vector<std::string> found;
    for (const auto& [path, bytes] : files) {
        if (std::regex_search(path, kTemporaryName)) {
            found.push_back(path);
        }
    }
    return found;
}

// The file a failed step was writing (or, for a copy, the backup being made).
std::string fileOfStep(FileStep step, const std::filesystem::path& path) {
    return step == FileStep::Copy ? path.string()
                                  : std::regex_replace(path.string(), kTemporaryName, "");
}

TEST(WriteFaults, EveryWriterKeepsEveryFileWholeAndSaysWhyWhenAnyStepFails) {
    int faults = 0;
    int filesChecked = 0;
    for (const auto& writer : writers()) {
        SCOPED_TRACE(writer.name);
        // The write that succeeds: what each step is, and what the files become.
        Files before;
        Files after;
        std::vector<std::pair<FileStep, std::filesystem::path>> steps;
        {
            Scene s;
            writer.prepare(s);
            s.h.dialogs.messages.clear();
            before = s.files();
            platform::InjectedFileFault counting(0, 0);
            writer.act(s);
            steps = counting.steps();
            after = s.files();
        }
        ASSERT_FALSE(steps.empty());
        std::printf("%s: %zu file steps\n", writer.name, steps.size());
        EXPECT_TRUE(temporaryFiles(after).empty());
        int changed = 0;
        for (const auto& [path, bytes] : before) {
            changed += after.contains(path) && after.at(path) != bytes ? 1 : 0;
        }
        EXPECT_GT(changed, 0) << "the write that succeeds changes its files";

        for (std::size_t nth = 1; nth <= steps.size(); ++nth) {
            for (int error : {ENOSPC, EIO, EACCES}) {
                const FileStep step = steps[nth - 1].first;
                Scene s;
                writer.prepare(s);
                s.h.dialogs.messages.clear();
                std::filesystem::path path;
                {
                    platform::InjectedFileFault fault(static_cast<int>(nth), error);
                    writer.act(s);
                    ASSERT_TRUE(fault.fired());
                    path = fault.steps()[nth - 1].second;
                }
                SCOPED_TRACE(platform::fileStepName(step) + " of " + s.key(path) +
                             " fails: " + std::strerror(error));
                ++faults;
                const Files now = s.files();
                EXPECT_EQ(temporaryFiles(now), std::vector<std::string>{});
                for (const auto& [file, bytes] : now) {
                    ++filesChecked;
                    const bool asBefore = before.contains(file) && before.at(file) == bytes;
                    const bool asAfter = after.contains(file) && after.at(file) == bytes;
                    if (asBefore || asAfter) {
                        continue;
                    }
                    // A source that could not be read leaves less to write; what the
                    // file held is then kept in its backup.
                    EXPECT_EQ(step, FileStep::Read) << file << " is neither as it was nor whole";
                    if (before.contains(file)) {
                        const std::string& old = before.at(file);
                        EXPECT_TRUE(
                            std::any_of(now.begin(), now.end(),
                                        [&](const auto& kept) { return kept.second == old; }))
                            << file << " was lost";
                    }
                }
                const std::string failing = fileOfStep(step, path);
                const std::string failingKey = s.key(failing);
                // The file being written, or the one whose backup failed, is untouched.
                if (step != FileStep::Read && before.contains(failingKey)) {
                    ASSERT_TRUE(now.contains(failingKey)) << failingKey;
                    EXPECT_EQ(now.at(failingKey), before.at(failingKey)) << failingKey;
                }
                // A file that cannot be read back is a skipped step, or the feature's
                // message for a missing file; a failed write is always told.
                if (step != FileStep::Read) {
                    ASSERT_FALSE(s.h.dialogs.messages.empty()) << "the user was not told";
                    const std::string& told = s.h.dialogs.messages.back();
                    EXPECT_NE(told.find(failing), std::string::npos) << told;
                    EXPECT_NE(told.find(std::strerror(error)), std::string::npos) << told;
                }
            }
        }
    }
    RecordProperty("faults", faults);
    RecordProperty("files_checked", filesChecked);
    std::printf("%d faults injected, %d files checked\n", faults, filesChecked);
}

}  // namespace
}  // namespace kaj::console
