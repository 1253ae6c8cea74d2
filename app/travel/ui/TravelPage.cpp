#include "TravelPage.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QSignalBlocker>
#include <QStyle>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

#include <algorithm>

#include "CategoryTreeView.h"
#include "LayoutHelpers.h"
#include "LocationEdits.h"
#include "MapView.h"
#include "PathText.h"
#include "PositionText.h"
#include "QtText.h"
#include "TravelFile.h"
#include "WorldMapMarkers.h"
#include "frmAddLocation.h"
#include "frmMap.h"

namespace kaj::travel {
namespace {

using common::compact;
using common::namedButton;
using common::namedFrame;
using platform::fromCp1252;
using platform::toCp1252;

constexpr const char* kNothingToEdit = "Please select a location to edit first";
constexpr const char* kNothingToRemove = "Please select a loction to remove first";

}  // namespace

TravelPage::TravelPage(TravelHost& host, QObject* selectAllOnFocus, QWidget* parent)
    : QWidget(parent), host_(host) {
    // The tree and the place list take what the buttons leave of the strip.
    setStyleSheet("QPushButton { padding: 2px 4px; }");
    auto* row = compact(new QHBoxLayout(this));
    tvwMap = new QTreeWidget(this);
    tvwMap->setObjectName("tvwMap");
    tvwMap->setHeaderHidden(true);
    tvwMap->setIndentation(10);
    tvwMap->setAccessibleName("Travel categories");
    row->addWidget(tvwMap, 5);
    auto* places = new QVBoxLayout;
    places->setContentsMargins(0, 0, 0, 0);
    places->setSpacing(common::kCompactSpacing);
    txtFilter = new QLineEdit(this);
    txtFilter->setObjectName("txtFilter");
    txtFilter->setPlaceholderText("Filter");
    txtFilter->setAccessibleName("Filter places by name");
    txtFilter->setClearButtonEnabled(true);
    places->addWidget(txtFilter);
    ListLocation = common::makeReportList("ListLocation", {"Name", "Location", "Index"}, this);
    ListLocation->setIndentation(0);
    ListLocation->setAccessibleName("Travel locations");
    ListLocation->header()->setStretchLastSection(true);
    ListLocation->header()->setMinimumSectionSize(20);
    places->addWidget(ListLocation, 1);
    row->addLayout(places, 9);

    auto* commands = namedFrame("Frame12", "Travel Commands", this);
    auto* commandGrid = compact(new QGridLayout(commands));
    cmdTravelGoto = namedButton("cmdTravelGoto", "&Go", commands);
    commandGrid->addWidget(cmdTravelGoto, 0, 0);
    row->addWidget(commands);

    auto* side = new QVBoxLayout;
    side->setContentsMargins(0, 0, 0, 0);
    side->setSpacing(common::kCompactSpacing);
    auto* coordinates = namedFrame("Frame15", "Coordinates", this);
    auto* coordinatesLayout = compact(new QVBoxLayout(coordinates));
    txtLocation = common::namedBox("txtLocation", coordinates, selectAllOnFocus);
    txtLocation->setMinimumWidth(
        QFontMetrics(txtLocation->font()).horizontalAdvance("6143,4095,-127") + 12);
    coordinatesLayout->addWidget(txtLocation);
    side->addWidget(coordinates);
    FrameLocations = namedFrame("FrameLocations", "Locations", this);
    auto* buttons = compact(new QGridLayout(FrameLocations));
    cmdTravelAdd = namedButton("cmdTravelAdd", "Add", FrameLocations);
    cmdEditMap = namedButton("cmdEditMap", "Edit", FrameLocations);
    cmdDelete = namedButton("cmdDelete", "Remove", FrameLocations);
    int column = 0;
    for (QPushButton* button : {cmdTravelAdd, cmdEditMap, cmdDelete}) {
        buttons->addWidget(button, 0, column++);
    }
    // The client's world-map markers, under one button to keep the strip readable.
    cmdMarkers = namedButton("cmdMarkers", "World map markers", FrameLocations);
    auto* markers = new QMenu(cmdMarkers);
    mnuExportMarkers = markers->addAction("&Export markers...");
    mnuImportMarkers = markers->addAction("&Import markers...");
    cmdMarkers->setMenu(markers);
    cmdMarkers->setToolTip(
        "Write the travel locations for the client's world map, or add its "
        "markers as travel locations");
    buttons->addWidget(cmdMarkers, 1, 0, 1, 3);
    side->addWidget(FrameLocations);
    side->addStretch(1);
    row->addLayout(side);

    connect(tvwMap, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* node) { tvwMap_NodeClick(node); });
    connect(ListLocation, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* place) { ListLocation_ItemClick(place); });
    connect(cmdTravelGoto, &QPushButton::clicked, this, [this] { cmdTravelGoto_Click(); });
    connect(cmdTravelAdd, &QPushButton::clicked, this, [this] { cmdTravelAdd_Click(); });
    connect(cmdEditMap, &QPushButton::clicked, this, [this] { cmdEditMap_Click(); });
    connect(cmdDelete, &QPushButton::clicked, this, [this] { cmdDelete_Click(); });
    connect(txtFilter, &QLineEdit::textChanged, this, [this] { txtFilter_Change(); });
    txtFilter->installEventFilter(this);
    ListLocation->viewport()->installEventFilter(this);
    connect(mnuExportMarkers, &QAction::triggered, this, [this] { cmdExportMarkers_Click(); });
    connect(mnuImportMarkers, &QAction::triggered, this, [this] { cmdImportMarkers_Click(); });
}

void TravelPage::attachWindows(frmMap* map, frmAddLocation* addLocation) {
    map_ = map;
    addLocation_ = addLocation;
    connect(map_, &frmMap::positionPicked, this,
            [this](int x, int y, int z) { positionPicked(x, y, z); });
    connect(addLocation_, &frmAddLocation::saveClicked, this, [this] { cmdAdd_Click(); });
    connect(addLocation_, &frmAddLocation::cancelClicked, this, [this] { cmdCancel_Click(); });
}

void TravelPage::LoadMapScript() {
    auto& travel = host_.travel();
    travel.clear();
    travel::LoadMapScript(travel, host_.programFolder(),
                          [this](std::string_view text) { host_.dialogs().message(text); });
    showTree();
}

void TravelPage::showTree() {
    common::showCategoryTree(tvwMap, host_.travel().tvwMap);
    fitTreeWidth();
    // A filter still typed shows its places of the new list.
    if (txtFilter->text().isEmpty()) {
        ListLocation->clear();
    } else {
        txtFilter_Change();
    }
}

void TravelPage::fitTreeWidth() {
    int widest = 0;
    const QFontMetrics metrics(tvwMap->font());
    for (QTreeWidgetItemIterator it(tvwMap); *it != nullptr; ++it) {
        int depth = 0;
        for (const QTreeWidgetItem* up = (*it)->parent(); up != nullptr; up = up->parent()) {
            ++depth;
        }
        widest = std::max(widest, metrics.horizontalAdvance((*it)->text(0)) +
                                      tvwMap->indentation() * (depth + 1));
    }
    const int chrome =
        2 * tvwMap->frameWidth() + tvwMap->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 8;
    tvwMap->setMinimumWidth(std::clamp(widest + chrome, 120, 260));
}

void TravelPage::showPlaces(const std::vector<PlaceRow>& places) {
    ListLocation->clear();
    QList<QTreeWidgetItem*> rows;
    for (const auto& place : places) {
        rows.push_back(new QTreeWidgetItem(
            {fromCp1252(place.name), fromCp1252(place.location), QString::number(place.index)}));
    }
    ListLocation->addTopLevelItems(rows);
    fitPlaceColumns();
}

// Every name whole; the position takes what is left and is shortened if it must be.
void TravelPage::fitPlaceColumns() {
    const QFontMetrics metrics(ListLocation->font());
    const int padding = 2 * ListLocation->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 8;
    int names = metrics.horizontalAdvance(ListLocation->headerItem()->text(0));
    for (int i = 0; i < ListLocation->topLevelItemCount(); ++i) {
        names = std::max(names, metrics.horizontalAdvance(ListLocation->topLevelItem(i)->text(0)));
    }
    names += padding;
    ListLocation->header()->resizeSection(0, names);
    ListLocation->header()->resizeSection(
        1, std::max(metrics.averageCharWidth() * 4, ListLocation->viewport()->width() - names));
}

void TravelPage::tvwMap_NodeClick(QTreeWidgetItem* node) {
    if (!txtFilter->text().isEmpty()) {
        const QSignalBlocker quiet(txtFilter);
        txtFilter->clear();
    }
    if (node == nullptr) {
        ListLocation->clear();
        return;
    }
    const std::string key = toCp1252(node->data(0, Qt::UserRole).toString());
    showPlaces(placesOfNode(host_.travel().ListFullMap, key));
}

bool TravelPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ListLocation->viewport() && event->type() == QEvent::Resize) {
        fitPlaceColumns();
    }
    if (watched == txtFilter && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && !txtFilter->text().isEmpty()) {
        txtFilter->clear();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TravelPage::txtFilter_Change() {
    const std::string text = toCp1252(txtFilter->text());
    if (text.empty()) {
        QTreeWidgetItem* node = tvwMap->currentItem();
        if (node != nullptr && node->isSelected()) {
            tvwMap_NodeClick(node);
        } else {
            ListLocation->clear();
        }
        return;
    }
    showPlaces(placesNamedLike(host_.travel().ListFullMap, text));
}

int TravelPage::mapWidth() const {
    return map_ != nullptr ? map_->mapWidth() : terrain::kClassicWorldWidth;
}

void TravelPage::cmdExportMarkers_Click() {
    const auto chosen = host_.dialogs().chooseSaveFile(
        "Export markers", kMarkerFileFilter,
        platform::textOfPath(host_.programFolder() / "KajMarkers.csv"));
    if (!chosen || chosen->empty()) {
        return;
    }
    host_.dialogs().message(
        exportMarkers(host_.travel().ListFullMap, platform::pathFromText(*chosen), mapWidth())
            .message);
}

void TravelPage::cmdImportMarkers_Click() {
    const auto chosen = host_.dialogs().chooseFile("Import markers", kMarkerFileFilter,
                                                   platform::textOfPath(host_.programFolder()));
    if (!chosen || chosen->empty()) {
        return;
    }
    const auto imported = importMarkers(
        host_.travel(), host_.programFolder(), platform::pathFromText(*chosen),
        [this](int x, int y) {
            return map_ != nullptr ? map_->mapHeight(static_cast<short>(x), static_cast<short>(y))
                                   : 0;
        },
        mapWidth());
    if (imported.outcome.reloaded) {
        showTree();
    }
    host_.dialogs().message(imported.message);
}

void TravelPage::ListLocation_ItemClick(QTreeWidgetItem* row) {
    if (row == nullptr) {
        return;
    }
    txtLocation->setText(row->text(1));
    if (map_ != nullptr) {
        map_->centreOn(mapCentreOf(toCp1252(txtLocation->text())));
    }
}

void TravelPage::cmdTravelGoto_Click() {
    host_.SendCommand(goCommand(toCp1252(txtLocation->text())));
}

void TravelPage::positionPicked(int x, int y, int z) {
    txtLocation->setText(QString::fromStdString(positionText(x, y, z)));
    if (addLocation_ != nullptr) {
        addLocation_->setPosition(x, y, z);
    }
}

QTreeWidgetItem* TravelPage::selectedPlace(const char* missingMessage) {
    const auto selected = ListLocation->selectedItems();
    if (ListLocation->topLevelItemCount() == 0 || selected.isEmpty()) {
        host_.dialogs().message(missingMessage);
        return nullptr;
    }
    return selected.front();
}

int TravelPage::indexOf(const QTreeWidgetItem* row) {
    return row->text(2).trimmed().toInt();
}

void TravelPage::cmdTravelAdd_Click() {
    if (addLocation_ == nullptr) {
        return;
    }
    openAddLocation();
}

void TravelPage::cmdEditMap_Click() {
    QTreeWidgetItem* row = selectedPlace(kNothingToEdit);
    if (row == nullptr || addLocation_ == nullptr) {
        return;
    }
    auto& travel = host_.travel();
    const int index = indexOf(row);
    if (index < 0 || static_cast<std::size_t>(index) >= travel.ListFullMap.size()) {
        return;
    }
    travel.EditLocation = true;
    travel.Index = index;
    openAddLocation();
    addLocation_->setFields(fieldsOfEntry(travel.ListFullMap[static_cast<std::size_t>(index)]));
    addLocation_->setEditing(true);
}

void TravelPage::showOutcome(const std::string& refusal) {
    if (!refusal.empty()) {
        host_.dialogs().message(refusal);
    }
}

void TravelPage::openAddLocation() {
    addLocation_->fillCombos(host_.travel().ListFullMap);
    FrameLocations->setEnabled(false);
    addLocation_->show();
    addLocation_->raise();
    addLocation_->activateWindow();
}

void TravelPage::closeAddLocation() {
    addLocation_->hide();
    FrameLocations->setEnabled(true);
}

void TravelPage::cmdAdd_Click() {
    auto& travel = host_.travel();
    const bool editing = travel.EditLocation;
    const auto outcome =
        editing
            ? replaceLocation(travel, host_.programFolder(), travel.Index, addLocation_->fields())
            : addLocation(travel, host_.programFolder(), addLocation_->fields());
    if (outcome.reloaded) {
        showTree();
    }
    if (!outcome.saved) {
        // The window stays open with what was typed, to be mended or cancelled.
        showOutcome(outcome.refusal);
        return;
    }
    if (editing) {
        addLocation_->setEditing(false);
        travel.EditLocation = false;
    } else {
        addLocation_->clearFields();
    }
    closeAddLocation();
}

void TravelPage::cmdCancel_Click() {
    addLocation_->clearFields();
    auto& travel = host_.travel();
    if (travel.EditLocation) {
        addLocation_->setEditing(false);
        travel.EditLocation = false;
    }
    closeAddLocation();
}

void TravelPage::cmdDelete_Click() {
    QTreeWidgetItem* row = selectedPlace(kNothingToRemove);
    if (row == nullptr ||
        !host_.dialogs().askYesNo(removeQuestion(toCp1252(row->text(0)), toCp1252(row->text(1))))) {
        return;
    }
    const auto outcome = removeLocation(host_.travel(), host_.programFolder(), indexOf(row));
    showTree();
    showOutcome(outcome.refusal);
}

}  // namespace kaj::travel
