#pragma once

#include <QtGlobal>

#include "ControlRegistry.h"

class QWidget;

// The entry points every control library exports under the same names: register
// and unregister its classes in the control registry, hand out the creator of a
// class, and say whether the library may unload. A host looks them up per library
// file (ControlLibrary).
using ControlCreator = QWidget* (*)(QWidget* parent);
extern "C" {
Q_DECL_EXPORT int DllRegisterServer();
Q_DECL_EXPORT int DllUnregisterServer();
Q_DECL_EXPORT ControlCreator DllGetClassObject(const char* programId);
Q_DECL_EXPORT int DllCanUnloadNow();
}

namespace kaj::controls {

constexpr int kSucceeded = 0;          // S_OK
constexpr int kStillInUse = 1;         // S_FALSE
constexpr int kClassFailed = 0x40201;  // SELFREG_E_CLASS

// A library's two classes, what its entry points work on.
struct LibraryClasses {
    const char* controlProgramId;
    const char* controlTypeName;
    const char* controlClassId;
    ControlCreator createControl;
    const char* pageProgramId;
    const char* pageTypeName;
    const char* pageClassId;
    ControlCreator createPage;
    int (*liveControls)();  // how many controls of the library live
};

int registerLibraryClasses(const LibraryClasses& classes);
int unregisterLibraryClasses(const LibraryClasses& classes);
ControlCreator libraryClassCreator(const LibraryClasses& classes, const char* programId);
int libraryCanUnload(const LibraryClasses& classes);

}  // namespace kaj::controls

// Defines a library's four entry points over its LibraryClasses (an expression).
#define KAJ_CONTROL_ENTRY_POINTS(classes)                                \
    extern "C" int DllRegisterServer() {                                 \
        return kaj::controls::registerLibraryClasses(classes);           \
    }                                                                    \
    extern "C" int DllUnregisterServer() {                               \
        return kaj::controls::unregisterLibraryClasses(classes);         \
    }                                                                    \
    extern "C" ControlCreator DllGetClassObject(const char* programId) { \
        return kaj::controls::libraryClassCreator(classes, programId);   \
    }                                                                    \
    extern "C" int DllCanUnloadNow() {                                   \
        return kaj::controls::libraryCanUnload(classes);                 \
    }
