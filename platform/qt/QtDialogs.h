#pragma once

#include <QPointer>
#include <QWidget>

#include "Dialogs.h"

namespace kaj::platform {

// The boxes and dialogs as Qt shows them, owned by a parent window.
class QtDialogs : public Dialogs {
  public:
    void setParent(QWidget* parent) { parent_ = parent; }

    void message(std::string_view text) override;
    bool askYesNo(std::string_view text) override;
    std::optional<std::string> input(std::string_view prompt, std::string_view initial) override;
    std::optional<std::string> chooseFolder(std::string_view title) override;
    std::optional<std::string> chooseFile(std::string_view title, std::string_view filter,
                                          std::string_view initialPath) override;
    std::optional<std::string> chooseSaveFile(std::string_view title, std::string_view filter,
                                              std::string_view initialPath) override;

  private:
    QPointer<QWidget> parent_;
};

}  // namespace kaj::platform
