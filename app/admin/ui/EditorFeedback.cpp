#include "EditorFeedback.h"

namespace kaj::admin {

bool told(platform::Dialogs& dialogs, const std::optional<std::string>& message) {
    if (!message) {
        return false;
    }
    dialogs.message(*message);
    return true;
}

void showSearchOutcome(const ListSearch::Outcome& outcome, platform::Dialogs& dialogs,
                       QPushButton* searchAgain, const std::function<void(int)>& select) {
    if (!outcome.found) {
        dialogs.message(outcome.message);
        return;
    }
    select(*outcome.found);
    searchAgain->setFocus(Qt::OtherFocusReason);
}

}  // namespace kaj::admin
