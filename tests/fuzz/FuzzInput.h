#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace kaj::fuzz {

// Takes leading values off a fuzz input; what remains is the record's bytes.
class FuzzInput {
  public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::uint32_t u32() {
        std::uint32_t value = 0;
        for (int i = 0; i < 4 && size_ > 0; ++i, ++data_, --size_)
            value |= static_cast<std::uint32_t>(*data_) << (8 * i);
        return value;
    }
    std::uint16_t u16() { return static_cast<std::uint16_t>(u32() & 0xFFFF); }
    std::span<const std::uint8_t> rest() const { return {data_, size_}; }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
};

}  // namespace kaj::fuzz
