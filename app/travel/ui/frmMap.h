#pragma once

#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include <filesystem>
#include <memory>
#include <vector>

#include "PositionText.h"

namespace kaj::common {
class HostedControl;
}

namespace kaj::travel {

// The travel map window, shown while the Travel tab is selected: the world map of
// the map control, the position under the mouse, and zoom buttons. A click on the
// map centres it there and picks that position.
class frmMap : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kMapWidth = 420;
    static constexpr int kMapHeight = 340;

    explicit frmMap(const std::filesystem::path& controlFolder, QWidget* parent = nullptr);
    ~frmMap() override;

    common::HostedControl& TerrainView1() const { return *terrainView_; }
    // The map control's statics switch.
    void setDrawStatics(bool draw);
    bool drawStatics() const;
    // Puts the centre's x, then its y; a part missing ends it there. The control
    // ignores cells outside the world.
    void centreOn(const MapCentre& centre);
    // The ground's altitude at a world cell, as the map control reads it.
    short mapHeight(short x, short y) const;
    // The world's width in cells as the map control reads it from the client's map.
    int mapWidth() const;

    // Positions arrive in twips, as the control's container delivers them.
    void TerrainView1_MouseDown(short button, short shift, int x, int y);
    void TerrainView1_MouseMove(short button, short shift, int x, int y);
    void cmdZoomIN_Click();
    void cmdZoomOut_Click();

    QLabel* lblLocation;
    QPushButton* cmdZoomIN;
    QPushButton* cmdZoomOut;

  signals:
    // A button went down on the map at world cell (x, y), whose altitude is z.
    void positionPicked(int x, int y, int z);

  private:
    struct Cell {
        short x;
        short y;
        short z;
    };
    // The world cell under a position in twips, with its altitude.
    Cell cellAt(int xTwips, int yTwips) const;
    // A method's 16-bit result; a call that fails gives 0 and the caller goes on.
    short call(int dispatchId, const std::vector<short>& arguments) const;

    std::unique_ptr<common::HostedControl> terrainView_;
};

}  // namespace kaj::travel
