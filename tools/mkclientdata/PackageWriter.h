#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace kaj::clientdata {

// Builds a client package (.uop) the way the tests want to meet one: the table
// spread over several blocks in shuffled order, a block capacity that does not
// divide the count (the last block ends in unused, zeroed slots, and the first
// holds one too), every third entry deflated and every fifth behind a header of
// its own.
class PackageWriter {
  public:
    explicit PackageWriter(std::uint32_t seed, std::uint32_t blockCapacity = 7)
        : seed_(seed), capacity_(blockCapacity) {}

    void add(std::string name, std::vector<std::uint8_t> data);
    // Every entry plain and headerless, as today's map packages are kept.
    void storeAllPlain() { plain_ = true; }
    void write(const std::filesystem::path& path) const;

  private:
    struct Entry {
        std::string name;
        std::vector<std::uint8_t> data;
    };
    std::uint32_t seed_;
    std::uint32_t capacity_;
    bool plain_ = false;
    std::vector<Entry> entries_;
};

}  // namespace kaj::clientdata
