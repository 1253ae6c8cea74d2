#include "GlyphViewEntryPoints.h"

#include "CGlyphViewCtrl.h"
#include "CGlyphViewPropPage.h"

namespace {

QWidget* createControl(QWidget* parent) {
    return new kaj::glyph::CGlyphViewCtrl(parent);
}

QWidget* createPropertyPage(QWidget* parent) {
    return new kaj::glyph::CGlyphViewPropPage(parent);
}

kaj::controls::LibraryClasses classes() {
    return {kaj::glyph::kControlProgramId,
            "GlyphView Control",
            "{6A4C1E52-3B7D-4F0A-9C51-8D2E7B104A11}",
            &createControl,
            kaj::glyph::kPropertyPageProgramId,
            "GlyphView Property Page",
            "{6A4C1E52-3B7D-4F0A-9C51-8D2E7B104A12}",
            &createPropertyPage,
            &kaj::glyph::CGlyphViewCtrl::liveInstances};
}

}  // namespace

KAJ_CONTROL_ENTRY_POINTS(classes())
