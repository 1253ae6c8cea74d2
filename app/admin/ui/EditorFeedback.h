#pragma once

#include <QPushButton>

#include <functional>
#include <optional>
#include <string>

#include "Dialogs.h"
#include "ListSearch.h"

namespace kaj::admin {

// How both server-file editors answer the user. told: shows a refusal or failure
// when there is one and says whether it did, so a step stops there.
bool told(platform::Dialogs& dialogs, const std::optional<std::string>& message);
// A search's outcome: the entry found is selected and Search Again takes the focus;
// otherwise the user is told why nothing was.
void showSearchOutcome(const ListSearch::Outcome& outcome, platform::Dialogs& dialogs,
                       QPushButton* searchAgain, const std::function<void(int)>& select);

}  // namespace kaj::admin
