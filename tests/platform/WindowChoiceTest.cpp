#include <gtest/gtest.h>

#include "WindowChoice.h"

namespace kaj::platform {
namespace {

TEST(WindowChoice, AnExactTitleWinsThenTheFirstThatBeginsWithIt) {
    struct Row {
        const char* what;
        std::vector<ListedWindow> windows;
        const char* title;
        std::optional<std::uint64_t> picked;
    };
    const std::vector<Row> rows = {
        {"exact after a prefix match",
         {{1, "Ultima Online - Gm (Shard)"}, {2, "Ultima Online"}},
         "Ultima Online",
         2},
        {"first of several prefix matches",
         {{7, "Notes"}, {3, "Ultima Online - A"}, {4, "Ultima Online - B"}},
         "Ultima Online",
         3},
        {"first of two exact matches",
         {{5, "Ultima Online"}, {6, "Ultima Online"}},
         "Ultima Online",
         5},
        {"a title inside another is no match", {{8, "My Ultima Online"}}, "Ultima Online", {}},
        {"letter case counts", {{9, "ultima online"}}, "Ultima Online", {}},
        {"shorter than asked is no match", {{10, "Ultima"}}, "Ultima Online", {}},
        {"no windows", {}, "Ultima Online", {}},
        {"8-bit titles compare as bytes", {{11, "Kajmar \xE9"}}, "Kajmar \xE9", 11},
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

}  // namespace
}  // namespace kaj::platform
