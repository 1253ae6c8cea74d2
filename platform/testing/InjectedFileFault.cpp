#include "InjectedFileFault.h"

namespace kaj::platform {

InjectedFileFault::InjectedFileFault(int nth, int error) : nth_(nth), error_(error) {
    setFileFaultHook([this](FileStep step, const std::filesystem::path& path) {
        if (onlyOneKind_ && step != kind_) {
            return 0;
        }
        steps_.emplace_back(step, path);
        if (static_cast<int>(steps_.size()) == nth_) {
            fired_ = true;
            return error_;
        }
        return 0;
    });
}

InjectedFileFault::~InjectedFileFault() {
    setFileFaultHook({});
}

InjectedFileFault& InjectedFileFault::onlyOf(FileStep step) {
    onlyOneKind_ = true;
    kind_ = step;
    return *this;
}

std::string fileStepName(FileStep step) {
    switch (step) {
        case FileStep::Read:
            return "read";
        case FileStep::Open:
            return "open";
        case FileStep::Write:
            return "write";
        case FileStep::Sync:
            return "fsync";
        case FileStep::Rename:
            return "rename";
        case FileStep::Copy:
            return "copy";
    }
    return "?";
}

}  // namespace kaj::platform
