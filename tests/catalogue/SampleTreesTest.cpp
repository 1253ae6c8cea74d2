// The server reader over the real distributions beside the checkout.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "AsciiCase.h"
#include "CatalogueLoads.h"
#include "CatalogueTestSupport.h"
#include "ConfigText.h"
#include "ServerDefinitions.h"

namespace kaj::catalogue {
namespace {

struct SampleTree {
    const char* folder;
    std::size_t items;
    std::size_t npcs;
};

std::filesystem::path samplesFolder() {
    return std::filesystem::path(KAJ_SAMPLES_FOLDER);
}

class SampleTrees : public ::testing::TestWithParam<SampleTree> {};

TEST_P(SampleTrees, LoadWithTheirRecordCountsAndOneNodePerSection) {
    const auto folder = samplesFolder() / GetParam().folder;
    if (!std::filesystem::is_directory(folder)) {
        GTEST_SKIP() << "the POL samples are not beside the checkout: " << folder;
    }
    CatalogueState state;
    RecordedMessages recorded;
    loadItemCatalogue(state, {false, {}, folder}, recorded.sink());
    loadNpcCatalogue(state, {false, {}, folder}, recorded.sink());
    EXPECT_TRUE(recorded.messages.empty()) << recorded.messages.front();
    EXPECT_EQ(state.ListFullItem.size(), GetParam().items);
    EXPECT_EQ(state.ListFullChar.size(), GetParam().npcs);
    EXPECT_TRUE(std::is_sorted(state.ListFullItem.begin(), state.ListFullItem.end(),
                               platform::lessIgnoringAsciiCase));
    // Every record's section has a node somewhere, unless its category could not
    // take it (a text already in the tree under another letter case).
    for (const auto& record : state.ListFullItem) {
        const auto bar = record.find('|');
        EXPECT_TRUE(state.tvwItems.hasTextIgnoringCase(record.substr(0, bar))) << record;
    }
}

INSTANTIATE_TEST_SUITE_P(Distributions, SampleTrees,
                         ::testing::Values(SampleTree{"modern-distro", 3831, 308},
                                           SampleTree{"legacy/092-Distro", 1220, 252},
                                           SampleTree{"legacy/097-Distro", 1437, 79},
                                           SampleTree{"legacy/097-Base", 5, 0},
                                           SampleTree{"legacy/icrontic-099", 1819, 263},
                                           SampleTree{"polserver-testsuite", 84, 24}),
                         [](const auto& info) {
                             std::string name = info.param.folder;
                             for (auto& c : name) {
                                 if (!std::isalnum(static_cast<unsigned char>(c)))
                                     c = '_';
                             }
                             return name;
                         });

TEST(SampleTreesMends, ConfigFoldersAndCaseBlindTemplatesAreRead) {
    const auto modern = samplesFolder() / "modern-distro";
    const auto suite = samplesFolder() / "polserver-testsuite";
    if (!std::filesystem::is_directory(modern) || !std::filesystem::is_directory(suite)) {
        GTEST_SKIP() << "the POL samples are not beside the checkout";
    }
    CatalogueState state;
    RecordedMessages recorded;
    // Without the packages' config folders only the core file would count.
    LoadItems(state, modern / "config");
    const std::size_t core = state.ListFullItem.size();
    loadItemCatalogue(state, {false, {}, modern}, recorded.sink());
    EXPECT_GT(state.ListFullItem.size(), core + 3000);
    // The test suite spells its templates NPCTemplate.
    loadNpcCatalogue(state, {false, {}, suite}, recorded.sink());
    std::size_t named = 0;
    for (const auto& record : state.ListFullChar) {
        named += !fieldOr(splitFields(record), 2).empty();
    }
    EXPECT_EQ(named, state.ListFullChar.size());
}

}  // namespace
}  // namespace kaj::catalogue
