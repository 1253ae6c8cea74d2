#pragma once

#include <QGroupBox>
#include <QLayout>
#include <QPushButton>
#include <QString>

namespace kaj::console {

// The main window's tabs are dense: small margins and spacing everywhere.
constexpr int kCompactMargin = 3;
constexpr int kCompactSpacing = 3;

template <typename Layout>
Layout* compact(Layout* layout) {
    layout->setContentsMargins(kCompactMargin, kCompactMargin, kCompactMargin, kCompactMargin);
    layout->setSpacing(kCompactSpacing);
    return layout;
}

// A frame with a name and a caption (which may be empty).
QGroupBox* namedFrame(const char* name, const QString& title, QWidget* parent);
// A push button with a name that Enter in a field does not press.
QPushButton* namedButton(const char* name, const QString& caption, QWidget* parent);

}  // namespace kaj::console
