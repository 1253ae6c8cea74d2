#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QString>

#include <initializer_list>
#include <utility>

namespace kaj::common {

// The main window's tabs are dense: small margins and spacing everywhere.
constexpr int kCompactMargin = 3;
constexpr int kCompactSpacing = 3;

template <typename Layout>
Layout* compact(Layout* layout) {
    layout->setContentsMargins(kCompactMargin, kCompactMargin, kCompactMargin, kCompactMargin);
    layout->setSpacing(kCompactSpacing);
    return layout;
}

// A frame with a name and a caption (which may be empty); the caption names the
// frame for screen readers too.
QGroupBox* namedFrame(const char* name, const QString& title, QWidget* parent);
// A push button with a name that Enter in a field does not press.
QPushButton* namedButton(const char* name, const QString& caption, QWidget* parent);
// A one-line box with a name, watched by a focus filter (select-all) when one is given.
QLineEdit* namedBox(const char* name, QWidget* parent, QObject* focusFilter = nullptr);
// The caption beside a field, in the field's parent; it names the field for screen
// readers and test robots as well.
QLabel* fieldLabel(const QString& caption, QWidget* field);

// Each button's click calls its handler on the owner.
template <typename Owner>
void connectClicks(Owner* owner,
                   std::initializer_list<std::pair<QPushButton*, void (Owner::*)()>> handlers) {
    for (const auto& [button, handler] : handlers) {
        QObject::connect(button, &QPushButton::clicked, owner,
                         [owner, handler = handler] { (owner->*handler)(); });
    }
}

}  // namespace kaj::common
