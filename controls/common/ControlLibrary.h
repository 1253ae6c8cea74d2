#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "SharedLibrary.h"

class QWidget;

namespace kaj::controls {

// A control library opened by its file, with its own entry points: every control
// library exports the same four names, so they are looked up in that file alone.
class ControlLibrary {
  public:
    static std::optional<ControlLibrary> open(const std::filesystem::path& file,
                                              std::string* error = nullptr);
    ControlLibrary(ControlLibrary&& other) noexcept = default;
    ControlLibrary& operator=(ControlLibrary&&) = delete;

    int registerServer() const;
    int unregisterServer() const;
    int canUnloadNow() const;
    // The creator of a class of this library, or nothing.
    QWidget* create(const std::string& programId, QWidget* parent) const;

  private:
    explicit ControlLibrary(platform::SharedLibrary library) : library_(std::move(library)) {}
    platform::SharedLibrary library_;
};

}  // namespace kaj::controls
