#include "SharedLibrary.h"

#include <utility>

namespace kaj::platform {

SharedLibrary::SharedLibrary(SharedLibrary&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)) {}

SharedLibrary::~SharedLibrary() {
    if (handle_ != nullptr) {
        close(handle_);
    }
}

}  // namespace kaj::platform
