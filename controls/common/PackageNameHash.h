#pragma once

#include <cstdint>
#include <string_view>

namespace kaj::controls {

// Bob Jenkins' lookup3 "hashlittle2": two 32-bit hashes of the bytes, seeded by the
// values pc and pb hold on entry.
void hashLittle2(std::string_view bytes, std::uint32_t& pc, std::uint32_t& pb);

// The key a client package files an entry under: the hashes of its name in lower
// case, seeds 0, as pb << 32 | pc.
std::uint64_t packageNameHash(std::string_view name);

}  // namespace kaj::controls
