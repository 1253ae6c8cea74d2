#include "GlyphViewEntryPoints.h"

#include <cstring>

#include "CGlyphViewCtrl.h"
#include "CGlyphViewPropPage.h"
#include "ControlRegistry.h"

namespace {

QWidget* createControl(QWidget* parent) {
    return new kaj::glyph::CGlyphViewCtrl(parent);
}

QWidget* createPropertyPage(QWidget* parent) {
    return new kaj::glyph::CGlyphViewPropPage(parent);
}

}  // namespace

extern "C" int DllRegisterServer() {
    using namespace kaj;
    auto& registry = controls::ControlRegistry::instance();
    registry.remove(glyph::kControlProgramId);
    registry.remove(glyph::kPropertyPageProgramId);
    const bool control =
        registry.add({glyph::kControlProgramId,
                      "GlyphView Control",
                      "{6A4C1E52-3B7D-4F0A-9C51-8D2E7B104A11}",
                      {controls::kCategorySafeForScripting, controls::kCategorySafeForInitializing},
                      &createControl});
    const bool page = registry.add({glyph::kPropertyPageProgramId,
                                    "GlyphView Property Page",
                                    "{6A4C1E52-3B7D-4F0A-9C51-8D2E7B104A12}",
                                    {},
                                    &createPropertyPage});
    return control && page ? glyph::kSucceeded : glyph::kClassFailed;
}

extern "C" int DllUnregisterServer() {
    using namespace kaj;
    auto& registry = controls::ControlRegistry::instance();
    const bool control = registry.remove(glyph::kControlProgramId);
    const bool page = registry.remove(glyph::kPropertyPageProgramId);
    return control && page ? glyph::kSucceeded : glyph::kClassFailed;
}

extern "C" ControlCreator DllGetClassObject(const char* programId) {
    if (programId == nullptr)
        return nullptr;
    if (std::strcmp(programId, kaj::glyph::kControlProgramId) == 0)
        return &createControl;
    if (std::strcmp(programId, kaj::glyph::kPropertyPageProgramId) == 0)
        return &createPropertyPage;
    return nullptr;
}

extern "C" int DllCanUnloadNow() {
    return kaj::glyph::CGlyphViewCtrl::liveInstances() == 0 ? kaj::glyph::kSucceeded
                                                            : kaj::glyph::kStillInUse;
}
