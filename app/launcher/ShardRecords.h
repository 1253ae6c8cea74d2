#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "KajSettings.h"

namespace kaj::launcher {

// A shard as the six boxes of the Launcher tab hold it, in the record's order.
struct ShardFields {
    std::string name;
    std::string ip;
    std::string port;
    std::string account;
    std::string password;
    std::string client;
};

// The fields in the record's order, each with the label of its box.
struct ShardField {
    const char* label;
    std::string ShardFields::*value;
};
inline constexpr std::array<ShardField, 6> kShardFields = {{
    {"Name", &ShardFields::name},
    {"IP", &ShardFields::ip},
    {"Port", &ShardFields::port},
    {"Account", &ShardFields::account},
    {"Password", &ShardFields::password},
    {"Client", &ShardFields::client},
}};

// name|ip|port|account|password|client, nothing trimmed or escaped.
std::string shardRecord(const ShardFields& fields);
// The record split at every "|"; a record of fewer than six pieces is malformed.
std::vector<std::string> shardPieces(std::string_view record);
// Why a record could not hold the fields (the first with "|", CR or LF, by its
// label), or nothing.
std::optional<std::string> refusedShardField(const ShardFields& fields);

// The shard list kept by the settings: records sorted, names at the same index.
// A new shard goes to its sorted place; returns its index.
std::size_t addShard(console::ConsoleSettings& settings, const ShardFields& fields);
// An edited shard keeps its index; its name is the Name box as typed.
void replaceShard(console::ConsoleSettings& settings, std::size_t index, const ShardFields& fields);
void removeShard(console::ConsoleSettings& settings, std::size_t index);

}  // namespace kaj::launcher
