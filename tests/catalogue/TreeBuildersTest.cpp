// The tree builder passes over records that repeat the category and section before
// them; the tree is the one the definition gives, every record tested in turn.
#include <gtest/gtest.h>

#include <random>

#include "ConfigText.h"
#include "TextRoutines.h"
#include "TreeBuilders.h"

namespace kaj::catalogue {
namespace {

// The definition: for each record, its category under the root unless a node shows
// that text in any letter case, then its section under the category likewise.
std::vector<std::string> definedOutline(const std::vector<std::string>& records) {
    common::CategoryTree tree;
    tree.addRoot("Custom", "Custom", true);
    for (const auto& record : records) {
        const auto fields = splitFields(record);
        if (fields.size() < 2) {
            continue;
        }
        const std::string category = common::trimLeadingBlanks(fields[0]);
        const std::string section = common::trimLeadingBlanks(fields[1]);
        if (!tree.hasTextIgnoringCase(category)) {
            tree.addChild("Custom", category, category, true);
        }
        if (!tree.hasTextIgnoringCase(section)) {
            tree.addChild(category, "", section, true);
        }
    }
    return tree.outline();
}

TEST(TreeBuilders, RecordsInAnyOrderGiveTheTreeTheDefinitionGives) {
    std::mt19937 random(5);
    const char* categories[] = {"Tools", "tools", " Tools", "Arms", "", "Custom", "Smith"};
    const char* sections[] = {"Smith", "smith", "Hammers", " Saws", "", "Tools", "Arms"};
    for (int round = 0; round < 300; ++round) {
        std::vector<std::string> records;
        for (int i = 0; i < 40; ++i) {
            const int kind = static_cast<int>(random() % 10);
            std::string record = categories[random() % 7];
            if (kind > 0) {
                record += std::string("|") + sections[random() % 7];
            }
            if (kind > 2) {
                record += "|name|0x1|0x1|0";
            }
            records.push_back(record);
            if (random() % 3 == 0) {
                records.push_back(record);  // the same pair again, as a sorted list has it
            }
        }
        CatalogueState state;
        state.ListFullItem = records;
        MakeItemNodes(state);
        EXPECT_EQ(state.tvwItems.outline(), definedOutline(records));
    }
}

}  // namespace
}  // namespace kaj::catalogue
