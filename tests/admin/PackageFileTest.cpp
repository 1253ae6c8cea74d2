#include "PackageFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "ServerReader.h"
#include "TextFile.h"

namespace kaj::admin {
namespace {

using Lines = std::vector<std::string>;
using kaj::testing::readServerProperties;

std::string bytesOf(const Lines& lines) {
    std::string bytes;
    for (const auto& line : lines) {
        bytes += line + "\r\n";
    }
    return bytes;
}

// What the server reads of a pkg.cfg: the first value of keys read once, every
// value of the other keys (Maintainer and Email, which it does not read, included).
std::map<std::string, std::vector<std::string>> serverView(const std::string& bytes) {
    auto values = readServerProperties(bytes).values;
    for (const char* once : {"enabled", "name", "version", "corerequired"}) {
        if (auto found = values.find(once); found != values.end()) {
            found->second.resize(1);
        }
    }
    return values;
}

void expectReadAsBefore(const std::string& original) {
    const auto lines = platform::splitLines(original);
    const auto form = parsePackage(lines);
    if (!form.enabled) {
        return;  // the server does not start with it, and the editor does not save it
    }
    EXPECT_EQ(serverView(bytesOf(packageLines(lines, form))), serverView(original));
}

TEST(PackageFile, CommentsAreNotKeysAndIndentedLinesAre) {
    const std::string text =
        "# name commented\n#Requires\tnone\n// Version 9\n  Enabled   1\n"
        "Name\tmypkg\nVersion 1.0/2\nRequires a 1.0\nRequires b\nProvidesSystemHomePage 1\n"
        "Creator\tsomeone\nName second\n";
    const auto form = parsePackage(platform::splitLines(text));
    EXPECT_EQ(form.enabled, true);
    EXPECT_EQ(form.name, "mypkg");
    EXPECT_EQ(form.version, "1.0/2");
    EXPECT_EQ(form.requires_, "a 1.0");
    EXPECT_EQ(packageName(platform::splitLines(text)), "mypkg");
    EXPECT_EQ(packageLines(platform::splitLines(text), form),
              (Lines{"Enabled 1", "Name mypkg", "Version 1.0/2", "Requires a 1.0", "Requires b",
                     "ProvidesSystemHomePage 1", "Creator\tsomeone"}));
    expectReadAsBefore(text);
}

TEST(PackageFile, EnabledIsANumberAndWithoutItNothingIsSaved) {
    EXPECT_EQ(parsePackage({"Enabled 0x0"}).enabled, false);
    EXPECT_EQ(parsePackage({"Enabled 2"}).enabled, true);
    EXPECT_EQ(parsePackage({"Name x"}).enabled, std::nullopt);
    PackageForm form;
    form.name = "x";
    EXPECT_EQ(packageRefusal(form), "Choose Yes or No for Enabled before saving.");
    form.enabled = false;
    EXPECT_EQ(packageRefusal(form), std::nullopt);
    EXPECT_EQ(packageLines({"Enabled 1", "Name x"}, form), (Lines{"Enabled 0", "Name x"}));
}

TEST(PackageFile, FieldsTheServerWouldRefuseAreRefused) {
    PackageForm form;
    form.enabled = true;
    EXPECT_EQ(packageRefusal(form), "A package needs a name.");
    form.name = "x";
    form.coreRequired = "POL095";
    EXPECT_EQ(packageRefusal(form),
              "The Core Required must begin with a digit, as in 100 or 100.1.0.");
    form.coreRequired = "100.1.0";
    form.maintainer = "a\nb";
    EXPECT_EQ(packageRefusal(form), "The Maintainer cannot contain a line break.");
}

// A save without edits, line by line: the first line of each key the form shows comes
// back as "Key value"; later lines of Enabled, Name, Version and CoreRequired go;
// every other non-comment line is kept byte for byte, in its order.
void expectEveryLineKept(const std::string& original) {
    const auto lines = platform::splitLines(original);
    const auto form = parsePackage(lines);
    if (!form.enabled) {
        return;
    }
    const std::set<std::string> shown = {"enabled",    "name",         "version",
                                         "maintainer", "email",        "requires",
                                         "conflicts",  "corerequired", "replaces"};
    const std::set<std::string> readOnce = {"enabled", "name", "version", "corerequired"};
    Lines managed;
    Lines kept;
    std::set<std::string> seen;
    for (const auto& line : kaj::testing::serverLines(original)) {
        auto text = line;
        if (!text.empty() && text.back() == '\r') {
            text.pop_back();
        }
        const auto [key, value] = kaj::testing::serverSplit(text);
        const auto lowerKey = kaj::testing::lower(key);
        if (key.empty() || key.starts_with("#") || key.starts_with("//")) {
            continue;
        }
        if (shown.contains(lowerKey) && seen.insert(lowerKey).second) {
            managed.push_back(lowerKey + " " + value);
        } else if (!readOnce.contains(lowerKey)) {
            kept.push_back(text);
        }
    }
    const auto saved = packageLines(lines, form);
    ASSERT_GE(saved.size(), kept.size());
    const Lines tail(saved.end() - static_cast<std::ptrdiff_t>(kept.size()), saved.end());
    EXPECT_EQ(tail, kept);
    Lines head;
    for (auto it = saved.begin(); it != saved.end() - static_cast<std::ptrdiff_t>(kept.size());
         ++it) {
        const auto [key, value] = kaj::testing::serverSplit(*it);
        head.push_back(kaj::testing::lower(key) + " " + value);
    }
    std::sort(head.begin(), head.end());
    std::sort(managed.begin(), managed.end());
    EXPECT_EQ(head, managed);
}

TEST(PackageFile, LaterEmailAndMaintainerLinesAreKeptAndLaterLinesReadOnceGo) {
    const std::string text =
        "Enabled\t\t1\nName\t\tpkg\nVersion 1.0\nVersion 2.0\nCreator\tDistro Team\n"
        "Email\t\tdistro@example.org\n\nMaintainer\tDev\nEmail\t\tdev@example.org\n"
        "Maintainer Second\nName other\nEnabled 0\nCoreRequired 99\nCoreRequired 100\n";
    const auto lines = platform::splitLines(text);
    EXPECT_EQ(packageLines(lines, parsePackage(lines)),
              (Lines{"Enabled 1", "Name pkg", "Version 1.0", "Maintainer Dev",
                     "Email distro@example.org", "CoreRequired 99", "Creator\tDistro Team",
                     "Email\t\tdev@example.org", "Maintainer Second"}));
    expectEveryLineKept(text);
    expectReadAsBefore(text);
}

TEST(PackageFile, EverySamplePkgCfgReadsAsBeforeAfterASave) {
    const std::filesystem::path samples = KAJ_SAMPLES_FOLDER;
    if (!std::filesystem::exists(samples)) {
        GTEST_SKIP() << "no POL samples beside the checkout (" << samples << ")";
    }
    int files = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(samples)) {
        if (entry.is_regular_file() &&
            kaj::testing::lower(entry.path().filename().string()) == "pkg.cfg") {
            SCOPED_TRACE(entry.path().string());
            const auto original = kaj::testing::TempFolder::read(entry.path());
            expectReadAsBefore(original);
            expectEveryLineKept(original);
            ++files;
        }
    }
    EXPECT_GT(files, 500);
}

}  // namespace
}  // namespace kaj::admin
