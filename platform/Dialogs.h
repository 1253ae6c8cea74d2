#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kaj::platform {

// The program's message, question and input boxes and its folder and file
// dialogs, all titled "Kajmar Console". Texts are Windows-1252; the paths the
// folder and file dialogs take and give are path texts (UTF-8, see PathText.h).
class Dialogs {
  public:
    virtual ~Dialogs() = default;
    virtual void message(std::string_view text) = 0;
    // A Yes/No box with a warning icon; true for Yes.
    virtual bool askYesNo(std::string_view text) = 0;
    virtual std::optional<std::string> input(std::string_view prompt, std::string_view initial) = 0;
    virtual std::optional<std::string> chooseFolder(std::string_view title) = 0;
    virtual std::optional<std::string> chooseFile(std::string_view title, std::string_view filter,
                                                  std::string_view initialPath) = 0;
    // A file to write, which may not exist yet; the dialog asks before one is replaced.
    virtual std::optional<std::string> chooseSaveFile(std::string_view title,
                                                      std::string_view filter,
                                                      std::string_view initialPath) = 0;
};

constexpr std::string_view kDialogTitle = "Kajmar Console";

}  // namespace kaj::platform
