#include <gtest/gtest.h>

#include "WindowChoice.h"

namespace kaj::platform {
namespace {

ListedWindow window(std::uint64_t id, const char* title, const char* windowClass = "",
                    std::uint64_t process = 0, const char* processName = "") {
    return {id, title, windowClass, process, processName};
}

std::vector<std::uint64_t> ids(const std::vector<ListedWindow>& windows) {
    std::vector<std::uint64_t> out;
    for (const auto& w : windows) {
        out.push_back(w.id);
    }
    return out;
}

TEST(WindowChoice, AnExactTitleWinsThenTheFirstThatBeginsWithIt) {
    struct Row {
        const char* what;
        std::vector<ListedWindow> windows;
        const char* title;
        std::optional<std::uint64_t> picked;
    };
    const std::vector<Row> rows = {
        {"exact after a prefix match",
         {window(1, "Ultima Online - Gm (Shard)"), window(2, "Ultima Online")},
         "Ultima Online",
         2},
        {"first of several prefix matches",
         {window(7, "Notes"), window(3, "Ultima Online - A"), window(4, "Ultima Online - B")},
         "Ultima Online",
         3},
        {"first of two exact matches",
         {window(5, "Ultima Online"), window(6, "Ultima Online")},
         "Ultima Online",
         5},
        {"a title inside another is no match",
         {window(8, "My Ultima Online")},
         "Ultima Online",
         {}},
        {"letter case counts", {window(9, "ultima online")}, "Ultima Online", {}},
        {"shorter than asked is no match", {window(10, "Ultima")}, "Ultima Online", {}},
        {"no windows", {}, "Ultima Online", {}},
        {"8-bit titles compare as bytes", {window(11, "Kajmar \xE9")}, "Kajmar \xE9", 11},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const auto picked = pickWindow(row.windows, row.title);
        ASSERT_EQ(picked.has_value(), row.picked.has_value());
        if (picked) {
            EXPECT_EQ(picked->id, *row.picked);
        }
    }
}

TEST(WindowChoice, EachClientKindFitsItsOwnWindowsAndNoLookAlikes) {
    const char* cuoClass = "ClassicUO.bin.x86_64";
    const std::vector<ListedWindow> desktop = {
        window(1, "Ultima Online - Bob (Shard)"),
        window(2, "ClassicUO - GitHub - Mozilla Firefox", "firefox", 50, "firefox-bin"),
        window(3, "ClassicUO - 1.1.0.999", cuoClass, 60, "ClassicUO.bin.x"),
        window(4, "Bob - ClassicUO - 1.1.0.999", cuoClass, 61, "ClassicUO.bin.x"),
        window(5, "UO - Alice - ClassicUO [dev]", "", 62, "ClassicUO.exe"),
        window(6, "MyClassicUOTool - notes", cuoClass, 63, "ClassicUO.bin.x"),
        window(7, "ClassicUOX", cuoClass, 64, "ClassicUO.bin.x"),
        window(8, "Kajmar Console"),
        window(9, "Ultima Online"),
        window(10, "Shard Client"),
        window(11, "ClassicUO notes.txt - gedit", "gedit", 65, "gedit"),
    };
    struct Row {
        const char* what;
        ClientRule rule;
        std::vector<std::uint64_t> fitting;
    };
    const std::vector<Row> rows = {
        {"classic: exact first, then titles that begin with it", {ClientKind::Classic, {}}, {9, 1}},
        {"ClassicUO: the word in a window of its program", {ClientKind::ClassicUO, {}}, {3, 4, 5}},
        {"custom: exact first, then prefixes", {ClientKind::Custom, "Shard"}, {10}},
        {"custom title of the console itself", {ClientKind::Custom, "Kajmar Console"}, {8}},
        {"an empty custom title fits nothing", {ClientKind::Custom, ""}, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(ids(fittingWindows(desktop, row.rule)), row.fitting);
    }
}

TEST(WindowChoice, TheLauncherStartedWindowThenTheChosenOneThenTheBest) {
    const std::vector<ListedWindow> fitting = {window(1, "A", "", 100), window(2, "B", "", 200),
                                               window(3, "C", "", 300)};
    const auto startedBy200 = [](std::uint64_t process) { return process == 200; };
    EXPECT_EQ(chooseClientWindow(fitting, 3, startedBy200)->id, 2u);
    EXPECT_EQ(chooseClientWindow(fitting, 3, {})->id, 3u);
    EXPECT_EQ(chooseClientWindow(fitting, 9, {})->id, 1u);  // the chosen window has closed
    EXPECT_EQ(chooseClientWindow(fitting, std::nullopt, {})->id, 1u);
    EXPECT_FALSE(chooseClientWindow({}, 1, startedBy200).has_value());
}

}  // namespace
}  // namespace kaj::platform
