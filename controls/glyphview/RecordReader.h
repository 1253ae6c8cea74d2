#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace kaj::glyph {

// Reads little-endian values from a record's bytes, never past their end. A read
// that does not fit whole returns nothing and moves nothing.
class RecordReader {
  public:
    explicit RecordReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::uint64_t position() const { return position_; }
    std::uint64_t size() const { return bytes_.size(); }
    // Positions past the end are allowed; every read from them fails.
    void seek(std::uint64_t position) { position_ = position; }
    void skip(std::uint64_t count) { position_ += count; }

    std::optional<std::uint8_t> u8() {
        if (!fits(1))
            return std::nullopt;
        return bytes_[position_++];
    }
    std::optional<std::uint16_t> u16() {
        if (!fits(2))
            return std::nullopt;
        const auto value =
            static_cast<std::uint16_t>(bytes_[position_] | (bytes_[position_ + 1] << 8));
        position_ += 2;
        return value;
    }
    std::optional<std::uint32_t> u32() {
        if (!fits(4))
            return std::nullopt;
        const std::uint32_t value = static_cast<std::uint32_t>(bytes_[position_]) |
                                    (static_cast<std::uint32_t>(bytes_[position_ + 1]) << 8) |
                                    (static_cast<std::uint32_t>(bytes_[position_ + 2]) << 16) |
                                    (static_cast<std::uint32_t>(bytes_[position_ + 3]) << 24);
        position_ += 4;
        return value;
    }
    std::optional<std::int16_t> s16() {
        const auto value = u16();
        if (!value)
            return std::nullopt;
        return static_cast<std::int16_t>(*value);
    }
    bool fits(std::uint64_t n) const {
        return position_ <= bytes_.size() && n <= bytes_.size() - position_;
    }

  private:
    std::span<const std::uint8_t> bytes_;
    std::uint64_t position_ = 0;
};

}  // namespace kaj::glyph
