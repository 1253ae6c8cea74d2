#pragma once

#include <QBoxLayout>
#include <QButtonGroup>
#include <QRadioButton>

#include <string>

namespace kaj::admin {

// A Yes/No pair of option buttons as text: "1" for Yes, "0" for No, "" for
// neither chosen.
// Adds "Yes" and "No" buttons with their names to the row, in a group of their own,
// which it returns.
QButtonGroup* addChoicePair(QBoxLayout* row, QWidget* parent, const char* yesName,
                            QRadioButton*& yes, const char* noName, QRadioButton*& no);
std::string choiceOf(const QRadioButton* yes, const QRadioButton* no);
void setChoice(QButtonGroup* group, QRadioButton* yes, QRadioButton* no, const std::string& value);

}  // namespace kaj::admin
