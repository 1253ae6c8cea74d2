#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace kaj::controls {

// One registered class: a control or its property page.
struct ControlClass {
    std::string programId;  // "GLYPHVIEW.GlyphViewCtrl.1"
    std::string typeName;   // "GlyphView Control"
    std::string classId;
    std::vector<std::string> categories;
    std::function<QWidget*(QWidget* parent)> create;
};

// The classes the control libraries registered, by program identifier: what a
// host uses to create a control without knowing its library.
class ControlRegistry {
  public:
    static ControlRegistry& instance();

    bool add(ControlClass entry);  // false when the identifier is taken
    bool remove(const std::string& programId);
    std::optional<ControlClass> find(const std::string& programId) const;
    QWidget* create(const std::string& programId, QWidget* parent) const;
    std::vector<std::string> programIds() const;

    // The client's folder as the host names it (its Setup), which the controls
    // created from then on look in first; empty when the host names none.
    void setClientFolder(std::filesystem::path folder) { clientFolder_ = std::move(folder); }
    const std::filesystem::path& clientFolder() const { return clientFolder_; }

  private:
    std::vector<ControlClass> classes_;
    std::filesystem::path clientFolder_;
};

constexpr const char* kCategorySafeForScripting = "Controls that are safely scriptable";
constexpr const char* kCategorySafeForInitializing =
    "Controls safely initializable from persistent data";

}  // namespace kaj::controls
