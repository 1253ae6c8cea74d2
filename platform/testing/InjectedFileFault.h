#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "FileFaults.h"

namespace kaj::platform {

// While it lives, fails the nth file step (counting from 1) with an error number,
// and records every step asked; with nth 0 it only records. One at a time.
class InjectedFileFault {
  public:
    InjectedFileFault(int nth, int error);
    ~InjectedFileFault();
    InjectedFileFault(const InjectedFileFault&) = delete;
    InjectedFileFault& operator=(const InjectedFileFault&) = delete;

    // Only steps of this kind count (and fail); by default every kind does.
    InjectedFileFault& onlyOf(FileStep step);

    const std::vector<std::pair<FileStep, std::filesystem::path>>& steps() const { return steps_; }
    bool fired() const { return fired_; }

  private:
    int nth_;
    int error_;
    bool onlyOneKind_ = false;
    FileStep kind_ = FileStep::Read;
    bool fired_ = false;
    std::vector<std::pair<FileStep, std::filesystem::path>> steps_;
};

std::string fileStepName(FileStep step);

}  // namespace kaj::platform
