#include "TerrainViewEntryPoints.h"

#include "CTerrainViewCtrl.h"
#include "CTerrainViewPropPage.h"

namespace {

QWidget* createControl(QWidget* parent) {
    return new kaj::terrain::CTerrainViewCtrl(parent);
}

QWidget* createPropertyPage(QWidget* parent) {
    return new kaj::terrain::CTerrainViewPropPage(parent);
}

kaj::controls::LibraryClasses classes() {
    return {kaj::terrain::kControlProgramId,
            "TerrainView Control",
            "{0B8E5D27-91C4-4E6B-A3F0-5C7D2E918B21}",
            &createControl,
            kaj::terrain::kPropertyPageProgramId,
            "TerrainView Property Page",
            "{0B8E5D27-91C4-4E6B-A3F0-5C7D2E918B22}",
            &createPropertyPage,
            &kaj::terrain::CTerrainViewCtrl::liveInstances};
}

}  // namespace

KAJ_CONTROL_ENTRY_POINTS(classes())
