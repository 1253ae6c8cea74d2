#pragma once

#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

namespace kaj::admin {

// The search box of a server-file editor with "Search" and "Search Again" under
// it, from the given row of the grid on. Its text is selected when it takes the
// focus, and Enter released in it presses Search.
struct SearchControls {
    QLineEdit* text;
    QPushButton* search;
    QPushButton* again;
};
SearchControls addSearchControls(QGridLayout* grid, int row, QWidget* parent);

}  // namespace kaj::admin
