#include "Registry.h"

namespace kaj::platform {

// Without Windows, the client's settings live in Wine's registry.
std::unique_ptr<RegistryReader> makeSystemRegistry() {
    return std::make_unique<WineRegistry>(WineRegistry::defaultPrefix());
}

}  // namespace kaj::platform
