#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QListView>
#include <QTimer>

#include "PathText.h"
#include "QtDialogs.h"
#include "QtFileFilter.h"
#include "TempFolder.h"

namespace kaj::platform {
namespace {

using kaj::testing::TempFolder;

TEST(QtFileFilter, TheCommonDialogFormBecomesQtsForm) {
    const std::pair<const char*, const char*> rows[] = {
        {"All Files|*.*", "All Files (*)"},
        {"All Files|*.*|", "All Files (*)"},
        {"Programs|*.exe;*.bat|All Files|*.*", "Programs (*.exe *.bat);;All Files (*)"},
        {"Scripts|*.scp; *.cfg", "Scripts (*.scp *.cfg)"},
        {"Anything|", "Anything (*)"},
        {"|*.mul", "Files (*.mul)"},
        {"Text Files (*.txt)", "Text Files (*.txt)"},
        {"", ""},
    };
    for (const auto& [common, qt] : rows) {
        EXPECT_EQ(qtFileFilter(common), qt) << common;
    }
}

// What the open dialog lists: the names of the folder's files it shows and enables.
struct ListedFiles {
    bool dialogOpened = false;
    bool listFound = false;
    QStringList names;
    QString fileType;
};

void readListing(QFileDialog& dialog, ListedFiles& listed) {
    auto* view = dialog.findChild<QListView*>("listView");
    auto* model = dialog.findChild<QFileSystemModel*>();
    auto* types = dialog.findChild<QComboBox*>("fileTypeCombo");
    if (view == nullptr || model == nullptr || types == nullptr) {
        return;
    }
    listed.listFound = true;
    // The model reads the folder in the background; wait until its rows stay put.
    QElapsedTimer clock;
    clock.start();
    int rows = -1;
    int steady = 0;
    while (clock.elapsed() < 5000 && steady < 20) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        const int now = model->rowCount(view->rootIndex());
        steady = now == rows && now > 0 ? steady + 1 : 0;
        rows = now;
    }
    for (int row = 0; row < rows; ++row) {
        const QModelIndex index = model->index(row, 0, view->rootIndex());
        if (!model->isDir(index) && (model->flags(index) & Qt::ItemIsEnabled)) {
            listed.names << model->fileName(index);
        }
    }
    listed.names.sort();
    listed.fileType = types->currentText();
}

// Reads the dialog from inside its own loop and closes whatever modal window is
// open, whatever it finds: a failure is reported once the dialog has returned,
// never left waiting on a window nobody closes.
ListedFiles listedWhileOpen(const std::string& filter, const std::filesystem::path& initial) {
    ListedFiles listed;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            return;
        }
        poll.stop();
        if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
            listed.dialogOpened = true;
            readListing(*dialog, listed);
        }
        modal->close();
    });
    poll.start();
    QtDialogs dialogs;
    const auto chosen =
        dialogs.chooseFile("Select client you wish to use...", filter, textOfPath(initial));
    poll.stop();
    EXPECT_EQ(chosen, std::nullopt);
    EXPECT_TRUE(listed.dialogOpened);
    EXPECT_TRUE(listed.listFound);
    return listed;
}

TEST(QtDialogs, BrowseListsEveryFileOfTheFolderWhateverItsName) {
    TempFolder folder;
    for (const char* name : {"client.exe", "uoclient", "ClassicUO", "art.mul", "login.cfg"}) {
        folder.write(std::string("client/") + name, "x");
    }
    const auto listed = listedWhileOpen("All Files|*.*", folder / "client/client.exe");
    EXPECT_EQ(listed.names,
              (QStringList{"ClassicUO", "art.mul", "client.exe", "login.cfg", "uoclient"}));
    EXPECT_EQ(listed.fileType, "All Files (*)");

    const auto programs = listedWhileOpen("Programs|*.exe|All Files|*.*", folder / "client");
    EXPECT_EQ(programs.names, QStringList{"client.exe"});
    EXPECT_EQ(programs.fileType, "Programs (*.exe)");
}

}  // namespace
}  // namespace kaj::platform
