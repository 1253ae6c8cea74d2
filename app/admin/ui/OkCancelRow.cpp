#include "OkCancelRow.h"

#include "LayoutHelpers.h"

namespace kaj::admin {

OkCancelRow addOkCancelRow(QWidget* parent) {
    OkCancelRow buttons{new QHBoxLayout, common::namedButton("cmdOk", "OK", parent),
                        common::namedButton("cmdCancel", "Cancel", parent)};
    buttons.row->addStretch(1);
    buttons.row->addWidget(buttons.ok);
    buttons.row->addWidget(buttons.cancel);
    return buttons;
}

}  // namespace kaj::admin
