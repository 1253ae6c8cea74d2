#include "FileFaults.h"

#include <utility>

namespace kaj::platform {
namespace {

FileFaultHook& installedHook() {
    static FileFaultHook hook;
    return hook;
}

}  // namespace

void setFileFaultHook(FileFaultHook hook) {
    installedHook() = std::move(hook);
}

int injectedFileFault(FileStep step, const std::filesystem::path& path) {
    const auto& hook = installedHook();
    return hook ? hook(step, path) : 0;
}

}  // namespace kaj::platform
