#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QListView>
#include <QTimer>

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
    QStringList names;
    QString fileType;
};

ListedFiles listedWhileOpen(const std::string& filter, const std::filesystem::path& initial) {
    ListedFiles listed;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto* view = dialog->findChild<QListView*>("listView");
        auto* model = dialog->findChild<QFileSystemModel*>();
        ASSERT_NE(view, nullptr);
        ASSERT_NE(model, nullptr);
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
        listed.fileType = dialog->findChild<QComboBox*>("fileTypeCombo")->currentText();
        dialog->reject();
    });
    QtDialogs dialogs;
    EXPECT_EQ(dialogs.chooseFile("Select client you wish to use...", filter, initial.string()),
              std::nullopt);
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
