#include "ControlLibrary.h"

#include <dlfcn.h>

#include <utility>

namespace kaj::controls {
namespace {
using IntEntry = int (*)();
using Creator = QWidget* (*)(QWidget*);
using ClassEntry = Creator (*)(const char*);
constexpr int kEntryMissing = -1;
}  // namespace

std::optional<ControlLibrary> ControlLibrary::open(const std::filesystem::path& file,
                                                   std::string* error) {
    void* handle = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        if (error != nullptr)
            *error = dlerror();
        return std::nullopt;
    }
    return ControlLibrary(handle);
}

ControlLibrary::ControlLibrary(ControlLibrary&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)) {}

ControlLibrary::~ControlLibrary() {
    if (handle_ != nullptr) {
        dlclose(handle_);
    }
}

void* ControlLibrary::symbol(const char* name) const {
    return dlsym(handle_, name);
}

int ControlLibrary::registerServer() const {
    auto entry = reinterpret_cast<IntEntry>(symbol("DllRegisterServer"));
    return entry != nullptr ? entry() : kEntryMissing;
}

int ControlLibrary::unregisterServer() const {
    auto entry = reinterpret_cast<IntEntry>(symbol("DllUnregisterServer"));
    return entry != nullptr ? entry() : kEntryMissing;
}

int ControlLibrary::canUnloadNow() const {
    auto entry = reinterpret_cast<IntEntry>(symbol("DllCanUnloadNow"));
    return entry != nullptr ? entry() : kEntryMissing;
}

QWidget* ControlLibrary::create(const std::string& programId, QWidget* parent) const {
    auto entry = reinterpret_cast<ClassEntry>(symbol("DllGetClassObject"));
    if (entry == nullptr)
        return nullptr;
    Creator creator = entry(programId.c_str());
    return creator != nullptr ? creator(parent) : nullptr;
}

}  // namespace kaj::controls
