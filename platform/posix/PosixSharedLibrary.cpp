#include <dlfcn.h>

#include <utility>

#include "SharedLibrary.h"

namespace kaj::platform {

std::optional<SharedLibrary> SharedLibrary::open(const std::filesystem::path& file,
                                                 std::string* error) {
    void* handle = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        if (error != nullptr) {
            *error = dlerror();
        }
        return std::nullopt;
    }
    return SharedLibrary(handle);
}

void SharedLibrary::close(void* handle) {
    dlclose(handle);
}

void* SharedLibrary::symbol(const char* name) const {
    return dlsym(handle_, name);
}

}  // namespace kaj::platform
