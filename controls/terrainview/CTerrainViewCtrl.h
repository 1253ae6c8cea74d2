#pragma once

#include <cstdint>
#include <filesystem>

#include "ControlWidget.h"
#include "DispatchTable.h"
#include "MapRenderer.h"
#include "PixelBuffer.h"
#include "PropertyBag.h"
#include "TerrainViewDispatchIds.h"

namespace kaj::terrain {

// The map control: an overhead map of the world around a centre at one of thirteen
// zoom levels. Hosts reach it through _DTerrainView (ids 1-17) and its mouse events.
class Q_DECL_EXPORT CTerrainViewCtrl : public controls::ControlWidget {
    Q_OBJECT
  public:
    static constexpr int kPersistVersionMajor = 1;
    static constexpr int kPersistVersionMinor = 0;

    explicit CTerrainViewCtrl(QWidget* parent = nullptr);  // the client through its registry key
    CTerrainViewCtrl(const std::filesystem::path& clientFolder, QWidget* parent);
    ~CTerrainViewCtrl() override;

    std::int16_t ZoomLevel() const { return view_.zoom; }
    void setZoomLevel(std::int16_t zoom);
    std::int16_t xCenter() const { return view_.xCenter; }
    void setXCenter(std::int16_t x);
    std::int16_t yCenter() const { return view_.yCenter; }
    void setYCenter(std::int16_t y);
    bool DrawStatics() const { return view_.drawStatics; }
    void setDrawStatics(bool draw);
    void ZoomIn();
    void ZoomOut();
    void SetCenter(std::int16_t x, std::int16_t y);
    void Scroll(std::int16_t direction, std::int16_t distance);
    void CtrlToMap(std::int16_t& x, std::int16_t& y) const;
    void MapToCtrl(std::int16_t& x, std::int16_t& y) const;
    void GetCenter(std::int16_t& x, std::int16_t& y) const;
    std::int16_t CtrlToMapX(std::int16_t x) const;
    std::int16_t CtrlToMapY(std::int16_t y) const;
    std::int16_t MapToCtrlX(std::int16_t x) const;
    std::int16_t MapToCtrlY(std::int16_t y) const;
    std::int16_t GetMapHeight(std::int16_t x, std::int16_t y) const;
    // The world's width in cells: 7168 for today's client's map, else 6144.
    std::int16_t MapWidth() const { return static_cast<std::int16_t>(view_.worldWidth); }

    void saveProperties(controls::PropertyBag& bag) const override;
    bool loadProperties(const controls::PropertyBag& bag) override;

    static int liveInstances();

  protected:
    bool renderInto(controls::PixelBuffer& buffer, const QRect& bounds) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void create(const std::filesystem::path& clientFolder);
    void buildDispatch();

    MapRenderer renderer_{{}, {}};
    MapView view_;
};

}  // namespace kaj::terrain
