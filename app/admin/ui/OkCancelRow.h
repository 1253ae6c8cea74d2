#pragma once

#include <QHBoxLayout>
#include <QPushButton>

namespace kaj::admin {

// The OK and Cancel buttons under an editor's fields, at the row's right.
struct OkCancelRow {
    QHBoxLayout* row;
    QPushButton* ok;
    QPushButton* cancel;
};
OkCancelRow addOkCancelRow(QWidget* parent);

}  // namespace kaj::admin
