#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTreeWidget>

#include <functional>
#include <memory>

#include "CommandsPage.h"
#include "LauncherPage.h"
#include "RecordingDesktopInput.h"
#include "RecordingDialogs.h"
#include "Registry.h"
#include "SetupPage.h"
#include "Shell.h"
#include "TempFolder.h"
#include "frmMenu.h"

namespace kaj::testing {

class RecordingShell : public platform::Shell {
  public:
    std::vector<std::pair<std::string, std::filesystem::path>> opened;
    bool open(const std::string& target, const std::filesystem::path& folder) override {
        opened.emplace_back(target, folder);
        return true;
    }
};

// A main window over a program folder of its own, with recording dialogs, desktop and shell.
struct MenuHarness {
    TempFolder folder;
    TempFolder winePrefix;
    platform::WineRegistry registry{winePrefix.path()};
    platform::RecordingDialogs dialogs;
    platform::RecordingDesktopInput desktop;
    RecordingShell shell;
    std::unique_ptr<console::frmMenu> menu;

    // The travel file is there, empty, so that only tests of its absence hear of it.
    MenuHarness() {
        desktop.windowTitles = {"Ultima Online"};
        folder.write("KajMap.scp", "");
    }

    console::frmMenu& open() {
        menu = std::make_unique<console::frmMenu>(
            console::ConsoleServices{dialogs, desktop, shell, registry, folder.path(),
                                     std::filesystem::path(KAJ_GLYPHVIEW_LIBRARY).parent_path()});
        menu->Form_Load();
        menu->show();
        QCoreApplication::processEvents();
        return *menu;
    }

    void close() {
        menu->close();
        menu.reset();
    }

    console::ProgramState& state() const { return menu->state(); }

    template <typename T>
    T* find(const char* name) const {
        return menu->findChild<T*>(name);
    }
};

inline bool waitFor(const std::function<bool()>& condition, int milliseconds) {
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > milliseconds) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

}  // namespace kaj::testing
