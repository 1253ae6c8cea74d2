#pragma once

#include <cstdint>

namespace kaj::controls {

// Numbers as the client's files store them, least significant byte first.
inline std::uint16_t readLittle16(const std::uint8_t* at) {
    return static_cast<std::uint16_t>(at[0] | (at[1] << 8));
}
inline std::uint32_t readLittle32(const std::uint8_t* at) {
    return static_cast<std::uint32_t>(at[0]) | (static_cast<std::uint32_t>(at[1]) << 8) |
           (static_cast<std::uint32_t>(at[2]) << 16) | (static_cast<std::uint32_t>(at[3]) << 24);
}
inline std::uint64_t readLittle64(const std::uint8_t* at) {
    return static_cast<std::uint64_t>(readLittle32(at)) |
           (static_cast<std::uint64_t>(readLittle32(at + 4)) << 32);
}

}  // namespace kaj::controls
