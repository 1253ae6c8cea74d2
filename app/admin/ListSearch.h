#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kaj::admin {

// Search and Search Again over a list of texts, as both server-file editors do
// them: the first entry from the search position on that contains the text, A-Z
// letter case ignored.
class ListSearch {
  public:
    struct Outcome {
        std::optional<int> found;  // the entry to select
        std::string message;       // what the user is told instead
    };

    // emptyListMessage: what an empty list is told ("You must load … first").
    explicit ListSearch(std::string emptyListMessage);

    Outcome search(const std::vector<std::string>& entries, const std::string& text);
    Outcome searchAgain(const std::vector<std::string>& entries);

  private:
    Outcome findFrom(const std::vector<std::string>& entries, int start);

    std::string emptyListMessage_;
    std::string text_;
    int position_ = 0;
};

constexpr const char* kNoMatch =
    "Search complete, no items match.\r\nPlease modify Search pattern.";

}  // namespace kaj::admin
