#include "ShardRecords.h"

#include <gtest/gtest.h>

namespace kaj::launcher {
namespace {

using Lines = std::vector<std::string>;

TEST(ShardRecords, RecordsJoinSixFieldsAndSplitAtEveryBar) {
    const ShardFields shard{"Zeta ", "10.0.0.9", "2593", "gm", "p|w", "C:\\UO\\client.exe"};
    EXPECT_EQ(shardRecord(shard), "Zeta |10.0.0.9|2593|gm|p|w|C:\\UO\\client.exe");
    // A "|" in the password shifts its tail into the client field when read back.
    const auto pieces = shardPieces(shardRecord(shard));
    ASSERT_EQ(pieces.size(), 7u);
    EXPECT_EQ(pieces[4], "p");
    EXPECT_EQ(pieces[5], "w");
    EXPECT_EQ(shardPieces("||||"), (Lines{"", "", "", "", ""}));
    EXPECT_EQ(shardPieces(""), Lines{""});
}

TEST(ShardRecords, FieldsARecordCannotHoldAreNamed) {
    ShardFields shard{"Zeta", "10.0.0.9", "2593", "gm", "p|w", ""};
    EXPECT_EQ(refusedShardField(shard), "The Password cannot contain |, or a line break.");
    shard.password = "pw";
    shard.ip = "10.0.0.9\n";
    EXPECT_EQ(refusedShardField(shard), "The IP cannot contain |, or a line break.");
    shard.ip.pop_back();
    EXPECT_EQ(refusedShardField(shard), std::nullopt);
}

TEST(ShardRecords, TheListKeepsRecordsSortedWithTheirNamesAtTheSameIndex) {
    console::ConsoleSettings settings;
    EXPECT_EQ(addShard(settings, {"Zeta", "", "", "", "", ""}), 0u);
    EXPECT_EQ(addShard(settings, {"alpha ", "", "", "", "", ""}), 0u);
    // An empty name is listed as "1"; "|" sorts after the letters, as bytes do.
    EXPECT_EQ(addShard(settings, {"", "", "", "", "", ""}), 2u);
    EXPECT_EQ(settings.ListShards, (Lines{"alpha", "Zeta", "1"}));
    EXPECT_EQ(settings.ListServers[0], "alpha |||||");
    // An edit keeps the index and the name as typed, even when it would sort elsewhere.
    replaceShard(settings, 0, {"Omega ", "1", "2", "3", "4", "5"});
    EXPECT_EQ(settings.ListShards, (Lines{"Omega ", "Zeta", "1"}));
    EXPECT_EQ(settings.ListServers[0], "Omega |1|2|3|4|5");
    removeShard(settings, 1);
    EXPECT_EQ(settings.ListShards, (Lines{"Omega ", "1"}));
    EXPECT_EQ(settings.ListServers.size(), 2u);
}

}  // namespace
}  // namespace kaj::launcher
