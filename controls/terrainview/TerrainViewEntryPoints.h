#pragma once

#include <QtGlobal>

class QWidget;

// The library's entry points: register and unregister its classes in the control
// registry, hand out the creator of a class, and say whether the library may unload.
extern "C" {
Q_DECL_EXPORT int DllRegisterServer();
Q_DECL_EXPORT int DllUnregisterServer();
using ControlCreator = QWidget* (*)(QWidget* parent);
Q_DECL_EXPORT ControlCreator DllGetClassObject(const char* programId);
Q_DECL_EXPORT int DllCanUnloadNow();
}

namespace kaj::terrain {
constexpr int kSucceeded = 0;          // S_OK
constexpr int kStillInUse = 1;         // S_FALSE
constexpr int kClassFailed = 0x40201;  // SELFREG_E_CLASS
constexpr const char* kControlProgramId = "TERRAINVIEW.TerrainViewCtrl.1";
constexpr const char* kPropertyPageProgramId = "TERRAINVIEW.TerrainViewPropPage.1";
}  // namespace kaj::terrain
