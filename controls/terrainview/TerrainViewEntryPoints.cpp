#include "TerrainViewEntryPoints.h"

#include <cstring>

#include "CTerrainViewCtrl.h"
#include "CTerrainViewPropPage.h"
#include "ControlRegistry.h"

namespace {

QWidget* createControl(QWidget* parent) {
    return new kaj::terrain::CTerrainViewCtrl(parent);
}

QWidget* createPropertyPage(QWidget* parent) {
    return new kaj::terrain::CTerrainViewPropPage(parent);
}

}  // namespace

extern "C" int DllRegisterServer() {
    using namespace kaj;
    auto& registry = controls::ControlRegistry::instance();
    registry.remove(terrain::kControlProgramId);
    registry.remove(terrain::kPropertyPageProgramId);
    const bool control =
        registry.add({terrain::kControlProgramId,
                      "TerrainView Control",
                      "{0B8E5D27-91C4-4E6B-A3F0-5C7D2E918B21}",
                      {controls::kCategorySafeForScripting, controls::kCategorySafeForInitializing},
                      &createControl});
    const bool page = registry.add({terrain::kPropertyPageProgramId,
                                    "TerrainView Property Page",
                                    "{0B8E5D27-91C4-4E6B-A3F0-5C7D2E918B22}",
                                    {},
                                    &createPropertyPage});
    return control && page ? terrain::kSucceeded : terrain::kClassFailed;
}

extern "C" int DllUnregisterServer() {
    using namespace kaj;
    auto& registry = controls::ControlRegistry::instance();
    const bool control = registry.remove(terrain::kControlProgramId);
    const bool page = registry.remove(terrain::kPropertyPageProgramId);
    return control && page ? terrain::kSucceeded : terrain::kClassFailed;
}

extern "C" ControlCreator DllGetClassObject(const char* programId) {
    if (programId == nullptr)
        return nullptr;
    if (std::strcmp(programId, kaj::terrain::kControlProgramId) == 0)
        return &createControl;
    if (std::strcmp(programId, kaj::terrain::kPropertyPageProgramId) == 0)
        return &createPropertyPage;
    return nullptr;
}

extern "C" int DllCanUnloadNow() {
    return kaj::terrain::CTerrainViewCtrl::liveInstances() == 0 ? kaj::terrain::kSucceeded
                                                                : kaj::terrain::kStillInUse;
}
