#pragma once

#include <QButtonGroup>
#include <QRadioButton>

#include <string>

namespace kaj::admin {

// A Yes/No pair of option buttons as text: "1" for Yes, "0" for No, "" for
// neither chosen.
std::string choiceOf(const QRadioButton* yes, const QRadioButton* no);
void setChoice(QButtonGroup* group, QRadioButton* yes, QRadioButton* no, const std::string& value);

}  // namespace kaj::admin
