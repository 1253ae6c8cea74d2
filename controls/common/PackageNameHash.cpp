#include "PackageNameHash.h"

#include <string>

#include "LittleEndian.h"

namespace kaj::controls {
namespace {

constexpr std::uint32_t rotate(std::uint32_t value, int bits) {
    return (value << bits) | (value >> (32 - bits));
}

// lookup3's mix and final mix, each a run of steps on (a, b, c) in turn.
void mixStep(std::uint32_t& x, std::uint32_t& y, std::uint32_t& z, int bits) {
    x -= z;
    x ^= rotate(z, bits);
    z += y;
}
void mix(std::uint32_t& a, std::uint32_t& b, std::uint32_t& c) {
    mixStep(a, b, c, 4);
    mixStep(b, c, a, 6);
    mixStep(c, a, b, 8);
    mixStep(a, b, c, 16);
    mixStep(b, c, a, 19);
    mixStep(c, a, b, 4);
}

void finalStep(std::uint32_t& x, std::uint32_t y, int bits) {
    x ^= y;
    x -= rotate(y, bits);
}
void finalMix(std::uint32_t& a, std::uint32_t& b, std::uint32_t& c) {
    finalStep(c, b, 14);
    finalStep(a, c, 11);
    finalStep(b, a, 25);
    finalStep(c, b, 16);
    finalStep(a, c, 4);
    finalStep(b, a, 14);
    finalStep(c, b, 24);
}

}  // namespace

void hashLittle2(std::string_view bytes, std::uint32_t& pc, std::uint32_t& pb) {
    const auto* key = reinterpret_cast<const std::uint8_t*>(bytes.data());
    std::size_t length = bytes.size();
    std::uint32_t a = 0xDEADBEEFu + static_cast<std::uint32_t>(length) + pc;
    std::uint32_t b = a;
    std::uint32_t c = a + pb;
    while (length > 12) {
        a += readLittle32(key);
        b += readLittle32(key + 4);
        c += readLittle32(key + 8);
        mix(a, b, c);
        length -= 12;
        key += 12;
    }
    if (length == 0) {
        pc = c;
        pb = b;
        return;
    }
    // The last 1 to 12 bytes, each into its place in a, b or c.
    std::uint32_t words[3] = {0, 0, 0};
    for (std::size_t i = 0; i < length; ++i) {
        words[i / 4] += static_cast<std::uint32_t>(key[i]) << (8 * (i % 4));
    }
    a += words[0];
    b += words[1];
    c += words[2];
    finalMix(a, b, c);
    pc = c;
    pb = b;
}

std::uint64_t packageNameHash(std::string_view name) {
    std::string lower(name);
    for (char& ch : lower) {
        if (ch >= 'A' && ch <= 'Z') {
            ch = static_cast<char>(ch - 'A' + 'a');
        }
    }
    std::uint32_t pc = 0;
    std::uint32_t pb = 0;
    hashLittle2(lower, pc, pb);
    return (static_cast<std::uint64_t>(pb) << 32) | pc;
}

}  // namespace kaj::controls
