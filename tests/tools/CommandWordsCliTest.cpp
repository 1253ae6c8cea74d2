// Every kajcli command reads its words by its own rules: a word it does not know,
// an option missing its words, one given twice that counts once, or an order the
// command cannot follow ends in its usage (exit 2) before anything is read or
// written.
#include <gtest/gtest.h>

#include "RunProgram.h"
#include "TempFolder.h"

namespace kaj::testing {
namespace {

struct Refused {
    std::vector<std::string> words;
    const char* usageStart;
};

TEST(CommandWords, WordsACommandsRulesDoNotAllowEndInItsUsage) {
    TempFolder folder;
    const std::string dir = folder.path().string();
    const Refused cases[] = {
        {{"items", "--pol", dir, "--scripts"}, "usage: kajcli items"},
        {{"npcs", "--pol", dir, "--pol", dir}, "usage: kajcli npcs"},
        {{"items", "--tree"}, "usage: kajcli items"},
        {{"travel", "--dir", dir, "--remove", "1", "--remove", "2"}, "usage: kajcli travel"},
        {{"travel", "--dir", dir, "--add", "Towns", "North"}, "usage: kajcli travel"},
        {{"travel", "--dir", dir, "--dir", dir}, "usage: kajcli travel"},
        {{"travel", "--dir", dir, "--client", dir}, "usage: kajcli travel"},
        {{"packages", "--pol", dir, "--set", "name", "x", "--package", "0"},
         "usage: kajcli packages"},
        {{"packages", "--pol", dir, "--save"}, "usage: kajcli packages"},
        {{"accounts", "--pol", dir, "--set", "gm", "colour", "red"}, "usage: kajcli accounts"},
        {{"accounts", "--pol", dir, "--wipe"}, "usage: kajcli accounts"},
        {{"launch", "--uo", dir, "--uo", dir}, "usage: kajcli launch"},
        {{"render-map", "--center", "1,1", "--out"}, "usage: kajcli render-map"},
        {{"render-art", "--type", "0", "--index", "1", "--out", "x.png", "--colour", "5"},
         "usage: kajcli render-art"},
        {{"clients", "classic"}, "usage: kajcli clients"},
        {{"send", "one", "two"}, "kajcli send: only one TEXT is taken"},
        {{"send", "--user", "--"}, "usage: kajcli send"},
        {{"map-height", "1"}, "usage: kajcli map-height"},
    };
    for (const auto& refused : cases) {
        std::vector<std::string> arguments{KAJ_KAJCLI};
        arguments.insert(arguments.end(), refused.words.begin(), refused.words.end());
        std::string errors;
        std::string output;
        EXPECT_EQ(runProgram(arguments, &errors, &output), 2) << refused.words.front() << errors;
        EXPECT_TRUE(errors.starts_with(refused.usageStart)) << errors;
        EXPECT_EQ(output, "");
    }
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

}  // namespace
}  // namespace kaj::testing
