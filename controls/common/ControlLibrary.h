#pragma once

#include <filesystem>
#include <optional>
#include <string>

class QWidget;

namespace kaj::controls {

// A control library opened by its file, with its own entry points: every control
// library exports the same four names, so they are looked up in that file alone.
class ControlLibrary {
  public:
    static std::optional<ControlLibrary> open(const std::filesystem::path& file,
                                              std::string* error = nullptr);
    ControlLibrary(ControlLibrary&& other) noexcept;
    ControlLibrary& operator=(ControlLibrary&&) = delete;
    ~ControlLibrary();

    int registerServer() const;
    int unregisterServer() const;
    int canUnloadNow() const;
    // The creator of a class of this library, or nothing.
    QWidget* create(const std::string& programId, QWidget* parent) const;

  private:
    explicit ControlLibrary(void* handle) : handle_(handle) {}
    void* symbol(const char* name) const;
    void* handle_;
};

}  // namespace kaj::controls
