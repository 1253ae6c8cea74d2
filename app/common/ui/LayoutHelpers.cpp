#include "LayoutHelpers.h"

namespace kaj::common {

QGroupBox* namedFrame(const char* name, const QString& title, QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(name);
    // Without a name of its own, a frame inside a frame is called by its outer frame.
    box->setAccessibleName(title);
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

QLabel* fieldLabel(const QString& caption, QWidget* field) {
    auto* label = new QLabel(caption, field->parentWidget());
    label->setBuddy(field);
    // Lists and trees do not take their name from a buddy.
    field->setAccessibleName(caption);
    return label;
}

}  // namespace kaj::common
