#include "ElevatedClient.h"

#include <gtest/gtest.h>

namespace kaj::platform {
namespace {

TEST(ElevatedClient, OnlyAClientAboveTheConsolesLevelStopsTheTyping) {
    constexpr unsigned long kMedium = 0x2000;
    constexpr unsigned long kHigh = 0x3000;
    EXPECT_EQ(elevatedClientRefusal(kHigh, kMedium),
              "The client runs as administrator; start the console as administrator too");
    EXPECT_FALSE(elevatedClientRefusal(kMedium, kMedium));
    EXPECT_FALSE(elevatedClientRefusal(kHigh, kHigh));
    EXPECT_FALSE(elevatedClientRefusal(kMedium, kHigh));
    EXPECT_FALSE(elevatedClientRefusal(std::nullopt, kMedium));
    EXPECT_FALSE(elevatedClientRefusal(kHigh, std::nullopt));
}

}  // namespace
}  // namespace kaj::platform
