#pragma once

#include <QComboBox>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "WindowChoice.h"

namespace kaj::console {

// The "Client" drop-down of the main window, shown while more than one window
// counts as the game client: it lists them by title and says which one receives
// the commands. Its list is read anew whenever it opens.
class ClientChooser : public QWidget {
    Q_OBJECT
  public:
    using Lister = std::function<std::vector<platform::ListedWindow>()>;
    ClientChooser(Lister lister, QWidget* parent = nullptr);

    // Lists the windows; current is the one that receives the commands now.
    void refresh(std::optional<std::uint64_t> current);
    QComboBox* cboClient;

  signals:
    void windowChosen(std::uint64_t window);

  private:
    Lister lister_;
    std::optional<std::uint64_t> current_;
};

}  // namespace kaj::console
