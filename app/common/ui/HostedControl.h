#pragma once

#include <QPointer>
#include <QWidget>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kaj::controls {
class ControlLibrary;
}

namespace kaj::common {

class ControlMouseEvents;

// A method call's result and its arguments as the method left them.
struct Invocation {
    std::optional<int> result;  // nothing for a method without one
    std::vector<int> arguments;
};

// A control of one of the control libraries, placed on a window and reached only
// through its dispatch interface by id. When the library or the class cannot be
// had, the place stays empty and every property reads as nothing.
class HostedControl {
  public:
    HostedControl(const std::filesystem::path& libraryFile, const std::string& programId,
                  QWidget* parent);
    ~HostedControl();

    QWidget* widget() const { return widget_; }
    bool isLoaded() const { return !control_.isNull(); }
    const std::string& error() const { return error_; }

    bool put(int dispatchId, short value) const;
    bool put(int dispatchId, int value) const;
    bool put(int dispatchId, bool value) const;
    std::optional<int> get(int dispatchId) const;
    // Arguments cross as 16-bit integers; nothing when the call failed.
    std::optional<Invocation> invoke(int dispatchId, const std::vector<short>& arguments) const;
    // The control's mouse events, positions in twips; nothing when no control loaded.
    ControlMouseEvents* mouseEvents() const { return mouseEvents_; }

  private:
    bool putVariant(int dispatchId, const QVariant& value) const;

    std::shared_ptr<controls::ControlLibrary> library_;
    QWidget* widget_;  // the control's container, owned by the parent
    QPointer<QWidget> control_;
    std::string error_;
    ControlMouseEvents* mouseEvents_ = nullptr;  // owned by the container
};

// The file of a control library in the program's folder ("GlyphView", "TerrainView").
std::filesystem::path controlLibraryFile(const std::filesystem::path& folder, const char* name);

}  // namespace kaj::common
