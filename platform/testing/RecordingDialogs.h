#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "Dialogs.h"

namespace kaj::platform {

// Records every box shown and answers from preset queues (No, cancel when empty).
class RecordingDialogs : public Dialogs {
  public:
    std::vector<std::string> messages;
    std::vector<std::string> questions;
    std::vector<std::string> folderTitles;
    std::vector<std::string> fileFilters;
    std::deque<bool> yesNoAnswers;
    std::deque<std::optional<std::string>> inputAnswers;
    std::deque<std::optional<std::string>> folderAnswers;
    std::deque<std::optional<std::string>> fileAnswers;

    void message(std::string_view text) override { messages.emplace_back(text); }
    bool askYesNo(std::string_view text) override {
        questions.emplace_back(text);
        return take(yesNoAnswers, false);
    }
    std::optional<std::string> input(std::string_view prompt, std::string_view) override {
        questions.emplace_back(prompt);
        return take(inputAnswers, std::optional<std::string>{});
    }
    std::optional<std::string> chooseFolder(std::string_view title) override {
        folderTitles.emplace_back(title);
        return take(folderAnswers, std::optional<std::string>{});
    }
    std::optional<std::string> chooseFile(std::string_view title, std::string_view filter,
                                          std::string_view) override {
        folderTitles.emplace_back(title);
        fileFilters.emplace_back(filter);
        return take(fileAnswers, std::optional<std::string>{});
    }
    std::optional<std::string> chooseSaveFile(std::string_view title, std::string_view filter,
                                              std::string_view) override {
        return chooseFile(title, filter, {});
    }

  private:
    template <typename T>
    static T take(std::deque<T>& queue, T fallback) {
        if (queue.empty()) {
            return fallback;
        }
        T value = queue.front();
        queue.pop_front();
        return value;
    }
};

}  // namespace kaj::platform
