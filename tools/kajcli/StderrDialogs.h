#pragma once

#include <cstdio>
#include <string>

#include "Dialogs.h"

namespace kaj::cli {

// Boxes for a command line: messages go to standard error, questions answer No.
class StderrDialogs : public platform::Dialogs {
  public:
    int messageCount = 0;

    void message(std::string_view text) override {
        ++messageCount;
        std::fprintf(stderr, "%.*s\n", static_cast<int>(text.size()), text.data());
    }
    bool askYesNo(std::string_view text) override {
        message(text);
        return false;
    }
    std::optional<std::string> input(std::string_view, std::string_view) override {
        return std::nullopt;
    }
    std::optional<std::string> chooseFolder(std::string_view) override { return std::nullopt; }
    std::optional<std::string> chooseFile(std::string_view, std::string_view,
                                          std::string_view) override {
        return std::nullopt;
    }
    std::optional<std::string> chooseSaveFile(std::string_view, std::string_view,
                                              std::string_view) override {
        return std::nullopt;
    }
};

}  // namespace kaj::cli
