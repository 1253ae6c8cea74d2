#include "SearchControls.h"

#include "EnterReleased.h"
#include "LayoutHelpers.h"
#include "SelectAllOnFocus.h"

namespace kaj::admin {

SearchControls addSearchControls(QGridLayout* grid, int row, QWidget* parent) {
    SearchControls controls{
        common::namedBox("TextSearch", parent, new common::SelectAllOnFocus(parent)),
        common::namedButton("cmdSearch", "Search", parent),
        common::namedButton("cmdSearchAgain", "Search Again", parent)};
    controls.text->setAccessibleName("Search");
    grid->addWidget(controls.text, row, 0, 1, 2);
    grid->addWidget(controls.search, row + 1, 0);
    grid->addWidget(controls.again, row + 1, 1);
    auto* enter = new common::EnterReleased(parent);
    controls.text->installEventFilter(enter);
    QObject::connect(enter, &common::EnterReleased::released, controls.search, &QPushButton::click);
    return controls;
}

}  // namespace kaj::admin
