#include "ControlEntryPoints.h"

#include <cstring>

namespace kaj::controls {

int registerLibraryClasses(const LibraryClasses& c) {
    auto& registry = ControlRegistry::instance();
    registry.remove(c.controlProgramId);
    registry.remove(c.pageProgramId);
    const bool control = registry.add({c.controlProgramId,
                                       c.controlTypeName,
                                       c.controlClassId,
                                       {kCategorySafeForScripting, kCategorySafeForInitializing},
                                       c.createControl});
    const bool page =
        registry.add({c.pageProgramId, c.pageTypeName, c.pageClassId, {}, c.createPage});
    return control && page ? kSucceeded : kClassFailed;
}

int unregisterLibraryClasses(const LibraryClasses& c) {
    auto& registry = ControlRegistry::instance();
    const bool control = registry.remove(c.controlProgramId);
    const bool page = registry.remove(c.pageProgramId);
    return control && page ? kSucceeded : kClassFailed;
}

ControlCreator libraryClassCreator(const LibraryClasses& c, const char* programId) {
    if (programId == nullptr)
        return nullptr;
    if (std::strcmp(programId, c.controlProgramId) == 0)
        return c.createControl;
    if (std::strcmp(programId, c.pageProgramId) == 0)
        return c.createPage;
    return nullptr;
}

int libraryCanUnload(const LibraryClasses& c) {
    return c.liveControls() == 0 ? kSucceeded : kStillInUse;
}

}  // namespace kaj::controls
