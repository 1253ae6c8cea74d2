#pragma once

#include <QPointer>
#include <QWidget>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace kaj::controls {
class ControlLibrary;
}

namespace kaj::console {

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
    std::optional<int> get(int dispatchId) const;

  private:
    bool putVariant(int dispatchId, const QVariant& value) const;

    std::shared_ptr<controls::ControlLibrary> library_;
    QWidget* widget_;  // the control's container, owned by the parent
    QPointer<QWidget> control_;
    std::string error_;
};

// The file of a control library in the program's folder ("GlyphView", "TerrainView").
std::filesystem::path controlLibraryFile(const std::filesystem::path& folder, const char* name);

}  // namespace kaj::console
