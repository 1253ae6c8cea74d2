#include "ShardRecords.h"

#include "TextRoutines.h"

namespace kaj::launcher {

std::string shardRecord(const ShardFields& f) {
    std::string record = f.*kShardFields[0].value;
    for (std::size_t i = 1; i < kShardFields.size(); ++i) {
        record += '|';
        record += f.*kShardFields[i].value;
    }
    return record;
}

std::vector<std::string> shardPieces(std::string_view record) {
    const auto pieces = common::splitAt(record, '|');
    return {pieces.begin(), pieces.end()};
}

std::optional<std::string> refusedShardField(const ShardFields& f) {
    for (const auto& [label, value] : kShardFields) {
        if ((f.*value).find_first_of("|\r\n") != std::string::npos) {
            return std::string("The ") + label + " cannot contain |, or a line break.";
        }
    }
    return std::nullopt;
}

std::size_t addShard(console::ConsoleSettings& settings, const ShardFields& fields) {
    return settings.addServer(shardRecord(fields));
}

void replaceShard(console::ConsoleSettings& settings, std::size_t index,
                  const ShardFields& fields) {
    if (index >= settings.ListServers.size()) {
        return;
    }
    settings.ListServers[index] = shardRecord(fields);
    settings.ListShards[index] = fields.name;
}

void removeShard(console::ConsoleSettings& settings, std::size_t index) {
    if (index >= settings.ListServers.size()) {
        return;
    }
    const auto at = static_cast<std::ptrdiff_t>(index);
    settings.ListServers.erase(settings.ListServers.begin() + at);
    settings.ListShards.erase(settings.ListShards.begin() + at);
}

}  // namespace kaj::launcher
