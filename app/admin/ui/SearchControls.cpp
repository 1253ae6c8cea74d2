#include "SearchControls.h"

#include "EnterReleased.h"
#include "LayoutHelpers.h"
#include "SelectAllOnFocus.h"

namespace kaj::admin {

SearchControls addSearchControls(QGridLayout* grid, int row, QWidget* parent) {
    SearchControls controls{
        console::namedBox("TextSearch", parent, new console::SelectAllOnFocus(parent)),
        console::namedButton("cmdSearch", "Search", parent),
        console::namedButton("cmdSearchAgain", "Search Again", parent)};
    controls.text->setAccessibleName("Search");
    grid->addWidget(controls.text, row, 0, 1, 2);
    grid->addWidget(controls.search, row + 1, 0);
    grid->addWidget(controls.again, row + 1, 1);
    auto* enter = new console::EnterReleased(parent);
    controls.text->installEventFilter(enter);
    QObject::connect(enter, &console::EnterReleased::released, controls.search,
                     &QPushButton::click);
    return controls;
}

}  // namespace kaj::admin
