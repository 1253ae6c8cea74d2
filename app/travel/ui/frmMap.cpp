#include "frmMap.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include <cmath>

#include "ControlMouseEvents.h"
#include "HostedControl.h"
#include "MapView.h"
#include "TerrainViewDispatchIds.h"
#include "Twips.h"

namespace kaj::travel {
namespace {

namespace dispid = terrain::dispid;

// Twips to control pixels, halves to the even neighbour.
short toPixels(int twips) {
    return static_cast<short>(std::nearbyint(static_cast<double>(twips) / common::kTwipsPerPixel));
}

}  // namespace

frmMap::frmMap(const std::filesystem::path& controlFolder, QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setObjectName("frmMap");
    setWindowTitle("Travel Map");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(3, 3, 3, 3);
    layout->setSpacing(3);
    terrainView_ = std::make_unique<common::HostedControl>(
        common::controlLibraryFile(controlFolder, "TerrainView"), "TERRAINVIEW.TerrainViewCtrl.1",
        this);
    QWidget* map = terrainView_->widget();
    map->setObjectName("TerrainView1");
    map->setMinimumSize(160, 120);
    layout->addWidget(map, 1);

    auto* row = new QHBoxLayout;
    lblLocation = new QLabel(this);
    lblLocation->setObjectName("lblLocation");
    lblLocation->setMinimumWidth(lblLocation->fontMetrics().horizontalAdvance("6143,4095,-127"));
    cmdZoomIN = new QPushButton("Zoom In", this);
    cmdZoomIN->setObjectName("cmdZoomIN");
    cmdZoomOut = new QPushButton("Zoom Out", this);
    cmdZoomOut->setObjectName("cmdZoomOut");
    for (QPushButton* button : {cmdZoomIN, cmdZoomOut}) {
        button->setAutoDefault(false);
    }
    row->addWidget(lblLocation, 1);
    row->addWidget(cmdZoomIN);
    row->addWidget(cmdZoomOut);
    layout->addLayout(row);
    resize(kMapWidth + 6, kMapHeight + 6 + cmdZoomIN->sizeHint().height() + 3);

    connect(cmdZoomIN, &QPushButton::clicked, this, [this] { cmdZoomIN_Click(); });
    connect(cmdZoomOut, &QPushButton::clicked, this, [this] { cmdZoomOut_Click(); });
    if (auto* events = terrainView_->mouseEvents()) {
        events->mouseDown = [this](short button, short shift, int x, int y) {
            TerrainView1_MouseDown(button, shift, x, y);
        };
        events->mouseMove = [this](short button, short shift, int x, int y) {
            TerrainView1_MouseMove(button, shift, x, y);
        };
    }
}

frmMap::~frmMap() = default;

void frmMap::setDrawStatics(bool draw) {
    terrainView_->put(dispid::kDrawStatics, draw);
}

bool frmMap::drawStatics() const {
    return terrainView_->get(dispid::kDrawStatics).value_or(0) != 0;
}

void frmMap::centreOn(const MapCentre& centre) {
    if (!centre.x || !terrainView_->put(dispid::kXCenter, short{*centre.x})) {
        return;
    }
    if (centre.y) {
        terrainView_->put(dispid::kYCenter, short{*centre.y});
    }
}

short frmMap::call(int dispatchId, const std::vector<short>& arguments) const {
    const auto done = terrainView_->invoke(dispatchId, arguments);
    return static_cast<short>(done && done->result ? *done->result : 0);
}

int frmMap::mapWidth() const {
    const auto width = terrainView_->get(dispid::kMapWidth);
    return width && *width > 0 ? *width : terrain::kClassicWorldWidth;
}

short frmMap::mapHeight(short x, short y) const {
    return call(dispid::kGetMapHeight, {x, y});
}

frmMap::Cell frmMap::cellAt(int xTwips, int yTwips) const {
    Cell cell{};
    cell.x = call(dispid::kCtrlToMapX, {toPixels(xTwips)});
    cell.y = call(dispid::kCtrlToMapY, {toPixels(yTwips)});
    cell.z = call(dispid::kGetMapHeight, {cell.x, cell.y});
    return cell;
}

void frmMap::TerrainView1_MouseDown(short, short, int x, int y) {
    const Cell cell = cellAt(x, y);
    terrainView_->invoke(dispid::kSetCenter, {cell.x, cell.y});
    emit positionPicked(cell.x, cell.y, cell.z);
}

void frmMap::TerrainView1_MouseMove(short, short, int x, int y) {
    const Cell cell = cellAt(x, y);
    lblLocation->setText(QString::fromStdString(positionText(cell.x, cell.y, cell.z)));
}

void frmMap::cmdZoomIN_Click() {
    terrainView_->invoke(dispid::kZoomIn, {});
}

void frmMap::cmdZoomOut_Click() {
    terrainView_->invoke(dispid::kZoomOut, {});
}

}  // namespace kaj::travel
