#pragma once

#include <QAction>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QWidget>

#include "TravelEntries.h"
#include "TravelHost.h"

namespace kaj::travel {

class frmMap;
class frmAddLocation;

// The Travel tab: the tree of categories and subcategories, the places of the
// chosen one, the coordinates box, "&Go", and the buttons that add, edit and
// remove places through the Add Location window.
class TravelPage : public QWidget {
    Q_OBJECT
  public:
    TravelPage(TravelHost& host, QObject* selectAllOnFocus, QWidget* parent = nullptr);

    // The windows the main window creates at its loading.
    void attachWindows(frmMap* map, frmAddLocation* addLocation);
    // Reads the travel file anew into the list and the tree; the place list empties.
    void LoadMapScript();

    void tvwMap_NodeClick(QTreeWidgetItem* node);
    void ListLocation_ItemClick(QTreeWidgetItem* row);
    void cmdTravelGoto_Click();
    void cmdTravelAdd_Click();
    void cmdEditMap_Click();
    void cmdDelete_Click();
    // The filter box: places of every category whose name holds its text; empty,
    // the places of the tree's selection.
    void txtFilter_Change();
    void cmdExportMarkers_Click();
    void cmdImportMarkers_Click();
    void cmdAdd_Click();
    void cmdCancel_Click();
    // A position picked on the map goes to the coordinates box and the Add
    // Location window.
    void positionPicked(int x, int y, int z);

    QTreeWidget* tvwMap;
    QTreeWidget* ListLocation;
    QLineEdit* txtLocation;
    QLineEdit* txtFilter;
    QPushButton* cmdMarkers;
    QAction* mnuExportMarkers;
    QAction* mnuImportMarkers;
    QGroupBox* FrameLocations;
    QPushButton* cmdTravelAdd;
    QPushButton* cmdEditMap;
    QPushButton* cmdDelete;
    QPushButton* cmdTravelGoto;

  protected:
    // Escape in the filter box empties it.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void showTree();
    void showPlaces(const std::vector<PlaceRow>& places);
    // The tree as wide as its longest text, within reason.
    void fitTreeWidth();
    void fitPlaceColumns();
    // The selected row of the place list, or nothing; a list without rows or
    // without a selection is told with the message.
    QTreeWidgetItem* selectedPlace(const char* missingMessage);
    static int indexOf(const QTreeWidgetItem* row);
    // After a save or a removal: the message of a failure, the tree anew.
    void showOutcome(const std::string& refusal);
    void openAddLocation();
    void closeAddLocation();
    // The width of the map the places lie on, as the map window's control reads it.
    int mapWidth() const;

    TravelHost& host_;
    frmMap* map_ = nullptr;
    frmAddLocation* addLocation_ = nullptr;
};

}  // namespace kaj::travel
