#include "ControlLibrary.h"

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
    auto library = platform::SharedLibrary::open(file, error);
    if (!library) {
        return std::nullopt;
    }
    return ControlLibrary(std::move(*library));
}

int ControlLibrary::registerServer() const {
    auto entry = reinterpret_cast<IntEntry>(library_.symbol("DllRegisterServer"));
    return entry != nullptr ? entry() : kEntryMissing;
}

int ControlLibrary::unregisterServer() const {
    auto entry = reinterpret_cast<IntEntry>(library_.symbol("DllUnregisterServer"));
    return entry != nullptr ? entry() : kEntryMissing;
}

int ControlLibrary::canUnloadNow() const {
    auto entry = reinterpret_cast<IntEntry>(library_.symbol("DllCanUnloadNow"));
    return entry != nullptr ? entry() : kEntryMissing;
}

QWidget* ControlLibrary::create(const std::string& programId, QWidget* parent) const {
    auto entry = reinterpret_cast<ClassEntry>(library_.symbol("DllGetClassObject"));
    if (entry == nullptr)
        return nullptr;
    Creator creator = entry(programId.c_str());
    return creator != nullptr ? creator(parent) : nullptr;
}

}  // namespace kaj::controls
