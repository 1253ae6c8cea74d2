#include "PackageWriter.h"

#include <zlib.h>

#include <algorithm>
#include <fstream>
#include <stdexcept>

#include "PackageNameHash.h"

namespace kaj::clientdata {
namespace {

using Bytes = std::vector<std::uint8_t>;

void putLittle(Bytes& out, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}
void setLittle(Bytes& out, std::size_t at, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

struct Slot {
    std::uint64_t offset = 0;
    std::uint32_t headerLength = 0;
    std::uint32_t stored = 0;
    std::uint32_t real = 0;
    std::uint64_t hash = 0;
    std::uint16_t compression = 0;
};

}  // namespace

void PackageWriter::add(std::string name, std::vector<std::uint8_t> data) {
    entries_.push_back({std::move(name), std::move(data)});
}

void PackageWriter::write(const std::filesystem::path& path) const {
    constexpr std::uint64_t kDataStart = 0x200;
    constexpr std::size_t kSlotBytes = 34;
    Bytes file(kDataStart, 0);

    std::vector<Slot> slots;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const Entry& entry = entries_[i];
        Slot slot;
        slot.hash = controls::packageNameHash(entry.name);
        slot.real = static_cast<std::uint32_t>(entry.data.size());
        slot.headerLength = !plain_ && i % 5 == 4 ? 12 : 0;
        slot.offset = file.size();
        for (std::uint32_t h = 0; h < slot.headerLength; ++h) {
            file.push_back(static_cast<std::uint8_t>(0xA0 + h));
        }
        if (!plain_ && i % 3 == 1) {
            uLongf packedLength = compressBound(static_cast<uLong>(entry.data.size()));
            Bytes packed(packedLength);
            if (compress2(packed.data(), &packedLength, entry.data.data(),
                          static_cast<uLong>(entry.data.size()), 9) != Z_OK) {
                throw std::runtime_error("cannot deflate " + entry.name);
            }
            packed.resize(packedLength);
            slot.compression = 1;
            slot.stored = static_cast<std::uint32_t>(packed.size());
            file.insert(file.end(), packed.begin(), packed.end());
        } else {
            slot.stored = slot.real;
            file.insert(file.end(), entry.data.begin(), entry.data.end());
        }
        slots.push_back(slot);
    }

    // The table in an order of its own, an unused slot first.
    std::uint32_t state = seed_ * 2654435761u + 7;
    for (std::size_t i = slots.size(); i > 1; --i) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        std::swap(slots[i - 1], slots[state % i]);
    }
    if (!plain_) {
        slots.insert(slots.begin(), Slot{});
    }
    const std::size_t blocks = std::max<std::size_t>(1, (slots.size() + capacity_ - 1) / capacity_);
    std::uint64_t firstBlock = 0;
    std::size_t previousNext = 0;  // where the last block written keeps its next block's offset
    for (std::size_t b = 0; b < blocks; ++b) {
        const std::uint64_t at = file.size();
        if (b == 0) {
            firstBlock = at;
        } else {
            setLittle(file, previousNext, at, 8);
        }
        putLittle(file, capacity_, 4);
        previousNext = file.size();
        putLittle(file, 0, 8);
        for (std::size_t s = 0; s < capacity_; ++s) {
            const std::size_t index = b * capacity_ + s;
            const Slot slot = index < slots.size() ? slots[index] : Slot{};
            putLittle(file, slot.offset, 8);
            putLittle(file, slot.headerLength, 4);
            putLittle(file, slot.stored, 4);
            putLittle(file, slot.real, 4);
            putLittle(file, slot.hash, 8);
            putLittle(file, 0, 4);
            putLittle(file, slot.compression, 2);
        }
        static_assert(kSlotBytes == 8 + 4 + 4 + 4 + 8 + 4 + 2);
    }

    setLittle(file, 0, 0x0050594D, 4);  // "MYP\0"
    setLittle(file, 4, 5, 4);
    setLittle(file, 8, 0xFD23EC43, 4);
    setLittle(file, 12, firstBlock, 8);
    setLittle(file, 20, capacity_, 4);
    setLittle(file, 24, entries_.size(), 4);

    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(file.data()),
              static_cast<std::streamsize>(file.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

}  // namespace kaj::clientdata
