#include "ChoicePair.h"

namespace kaj::admin {

QButtonGroup* addChoicePair(QBoxLayout* row, QWidget* parent, const char* yesName,
                            QRadioButton*& yes, const char* noName, QRadioButton*& no) {
    yes = new QRadioButton("Yes", parent);
    yes->setObjectName(yesName);
    no = new QRadioButton("No", parent);
    no->setObjectName(noName);
    auto* group = new QButtonGroup(parent);
    group->addButton(yes);
    group->addButton(no);
    row->addWidget(yes);
    row->addWidget(no);
    return group;
}

std::string choiceOf(const QRadioButton* yes, const QRadioButton* no) {
    if (yes->isChecked()) {
        return "1";
    }
    return no->isChecked() ? "0" : "";
}

void setChoice(QButtonGroup* group, QRadioButton* yes, QRadioButton* no, const std::string& value) {
    // An exclusive group cannot be left with neither button checked.
    group->setExclusive(false);
    yes->setChecked(value == "1");
    no->setChecked(value == "0");
    group->setExclusive(true);
}

}  // namespace kaj::admin
