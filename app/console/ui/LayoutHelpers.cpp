#include "LayoutHelpers.h"

namespace kaj::console {

QGroupBox* namedFrame(const char* name, const QString& title, QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(name);
    return box;
}

QPushButton* namedButton(const char* name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QLineEdit* namedBox(const char* name, QWidget* parent, QObject* focusFilter) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    if (focusFilter) {
        box->installEventFilter(focusFilter);
    }
    return box;
}

}  // namespace kaj::console
