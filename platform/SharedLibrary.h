#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace kaj::platform {

// A shared library opened by its file (dlopen on Linux, LoadLibraryW on Windows),
// its names looked up in that file alone. Closed when dropped.
class SharedLibrary {
  public:
    // Nothing when the file cannot be loaded; error then holds the system's reason.
    static std::optional<SharedLibrary> open(const std::filesystem::path& file,
                                             std::string* error = nullptr);
    SharedLibrary(SharedLibrary&& other) noexcept;
    SharedLibrary& operator=(SharedLibrary&&) = delete;
    SharedLibrary(const SharedLibrary&) = delete;
    SharedLibrary& operator=(const SharedLibrary&) = delete;
    ~SharedLibrary();

    // The address of an exported name, or nothing.
    void* symbol(const char* name) const;

  private:
    explicit SharedLibrary(void* handle) : handle_(handle) {}
    static void close(void* handle);
    void* handle_;
};

}  // namespace kaj::platform
