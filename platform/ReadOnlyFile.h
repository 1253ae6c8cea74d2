#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <utility>

namespace kaj::platform {

// A regular file opened for reading at any position, shared with other readers
// and writers (a client that runs while its data files are read). Anything but a
// regular file (a folder, a FIFO, a device) does not open, and never blocks.
class ReadOnlyFile {
  public:
    static std::optional<ReadOnlyFile> open(const std::filesystem::path& path);
    ReadOnlyFile(ReadOnlyFile&& other) noexcept
        : handle_(std::exchange(other.handle_, kNoHandle)), size_(other.size_) {}
    ReadOnlyFile& operator=(ReadOnlyFile&& other) noexcept {
        if (this != &other) {
            close();
            handle_ = std::exchange(other.handle_, kNoHandle);
            size_ = other.size_;
        }
        return *this;
    }
    ~ReadOnlyFile() { close(); }

    std::uint64_t size() const { return size_; }
    // Reads exactly n bytes at a position, or fails.
    bool readAt(std::uint64_t position, void* destination, std::size_t n) const;

  private:
    ReadOnlyFile(std::intptr_t handle, std::uint64_t size) : handle_(handle), size_(size) {}
    void close();
    // Reads up to n bytes at a position: how many it read, 0 at the end of the
    // file or on failure.
    std::size_t readSomeAt(std::uint64_t position, char* destination, std::size_t n) const;

    static constexpr std::intptr_t kNoHandle = -1;
    std::intptr_t handle_ = kNoHandle;  // a descriptor, or a Windows handle
    std::uint64_t size_ = 0;
};

}  // namespace kaj::platform
