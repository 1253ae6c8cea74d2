#include "QtDialogs.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

#include "QtFileFilter.h"
#include "QtText.h"

namespace kaj::platform {

namespace {
QString title() {
    return fromCp1252(kDialogTitle);
}

// What a file or folder dialog gave: nothing when it was cancelled.
std::optional<std::string> chosenPath(const QString& path) {
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return toPathText(path);
}

// The boxes' texts end their lines with CR LF, as the program writes them; a
// Qt label breaks at LF alone.
QString shown(std::string_view text) {
    return fromCp1252(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// A box waiting for an answer stays above the windows that stay on top (the
// progress window at start-up, the main window with "Stay on Top"): hidden behind
// one, it would hold the program with nothing to show for it.
void keepOnTop(QMessageBox& box) {
    box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
}
}  // namespace

void QtDialogs::message(std::string_view text) {
    QMessageBox box(QMessageBox::Information, title(), shown(text), QMessageBox::Ok, parent_);
    keepOnTop(box);
    box.exec();
}

bool QtDialogs::askYesNo(std::string_view text) {
    QMessageBox box(QMessageBox::Warning, title(), shown(text), QMessageBox::Yes | QMessageBox::No,
                    parent_);
    box.setDefaultButton(QMessageBox::No);
    keepOnTop(box);
    return box.exec() == QMessageBox::Yes;
}

std::optional<std::string> QtDialogs::input(std::string_view prompt, std::string_view initial) {
    bool accepted = false;
    const QString text = QInputDialog::getText(parent_, title(), fromCp1252(prompt),
                                               QLineEdit::Normal, fromCp1252(initial), &accepted);
    if (!accepted) {
        return std::nullopt;
    }
    return toCp1252(text);
}

std::optional<std::string> QtDialogs::chooseFolder(std::string_view caption) {
    return chosenPath(QFileDialog::getExistingDirectory(parent_, fromCp1252(caption)));
}

std::optional<std::string> QtDialogs::chooseFile(std::string_view caption, std::string_view filter,
                                                 std::string_view initialPath) {
    return chosenPath(QFileDialog::getOpenFileName(
        parent_, fromCp1252(caption), fromPathText(initialPath), fromCp1252(qtFileFilter(filter))));
}

std::optional<std::string> QtDialogs::chooseSaveFile(std::string_view caption,
                                                     std::string_view filter,
                                                     std::string_view initialPath) {
    return chosenPath(QFileDialog::getSaveFileName(
        parent_, fromCp1252(caption), fromPathText(initialPath), fromCp1252(qtFileFilter(filter))));
}

}  // namespace kaj::platform
