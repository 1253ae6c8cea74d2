#include "CTerrainViewCtrl.h"

#include <QMouseEvent>

#include <atomic>

#include "ClientFolder.h"
#include "ControlRegistry.h"
#include "ViewGeometry.h"

namespace kaj::terrain {
namespace {

std::atomic<int> instances{0};

// The mouse message's key-state word: 1 left, 2 right, 4 Shift, 8 Ctrl, 0x10 middle.
int keyState(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    int state = 0;
    if (buttons & Qt::LeftButton)
        state |= 0x01;
    if (buttons & Qt::RightButton)
        state |= 0x02;
    if (modifiers & Qt::ShiftModifier)
        state |= 0x04;
    if (modifiers & Qt::ControlModifier)
        state |= 0x08;
    if (buttons & Qt::MiddleButton)
        state |= 0x10;
    return state;
}

}  // namespace

CTerrainViewCtrl::CTerrainViewCtrl(QWidget* parent) : ControlWidget(instances, parent) {
    create(controls::chooseSystemClientFolder(controls::ControlRegistry::instance().clientFolder())
               .folder);
}

CTerrainViewCtrl::CTerrainViewCtrl(const std::filesystem::path& clientFolder, QWidget* parent)
    : ControlWidget(instances, parent) {
    create(clientFolder);
}

CTerrainViewCtrl::~CTerrainViewCtrl() = default;

int CTerrainViewCtrl::liveInstances() {
    return instances.load();
}

void CTerrainViewCtrl::create(const std::filesystem::path& clientFolder) {
    setObjectName("TerrainView1");
    setMouseTracking(true);
    view_ = MapView{};
    modified_ = true;
    renderer_ = MapRenderer::fromFolder(clientFolder);
    view_.worldWidth = renderer_.worldWidth();
    buildDispatch();
    markReady();
}

void CTerrainViewCtrl::buildDispatch() {
    using controls::AutomationValue;
    using controls::toInt16;
    using Args = std::vector<AutomationValue>;
    auto prop = [this](int id, const char* name, auto get, auto put) {
        dispatch_.addProperty(id, name, get, put);
    };
    prop(
        dispid::kZoomLevel, "ZoomLevel", [this] { return AutomationValue(ZoomLevel()); },
        [this](const AutomationValue& v) { setZoomLevel(toInt16(v)); });
    prop(
        dispid::kXCenter, "xCenter", [this] { return AutomationValue(xCenter()); },
        [this](const AutomationValue& v) { setXCenter(toInt16(v)); });
    prop(
        dispid::kYCenter, "yCenter", [this] { return AutomationValue(yCenter()); },
        [this](const AutomationValue& v) { setYCenter(toInt16(v)); });
    prop(
        dispid::kDrawStatics, "DrawStatics", [this] { return AutomationValue(DrawStatics()); },
        [this](const AutomationValue& v) { setDrawStatics(controls::toBool(v)); });
    dispatch_.addMethod(dispid::kZoomIn, "ZoomIn", 0, [this](Args&) {
        ZoomIn();
        return AutomationValue{};
    });
    dispatch_.addMethod(dispid::kZoomOut, "ZoomOut", 0, [this](Args&) {
        ZoomOut();
        return AutomationValue{};
    });
    dispatch_.addMethod(dispid::kSetCenter, "SetCenter", 2, [this](Args& a) {
        SetCenter(toInt16(a[0]), toInt16(a[1]));
        return AutomationValue{};
    });
    dispatch_.addMethod(dispid::kScroll, "Scroll", 2, [this](Args& a) {
        Scroll(toInt16(a[0]), toInt16(a[1]));
        return AutomationValue{};
    });
    auto byReference = [this](int id, const char* name, auto method) {
        dispatch_.addMethod(id, name, 2, [method](Args& a) {
            std::int16_t x = toInt16(a[0]);
            std::int16_t y = toInt16(a[1]);
            method(x, y);
            a[0] = x;
            a[1] = y;
            return AutomationValue{};
        });
    };
    byReference(dispid::kCtrlToMap, "CtrlToMap",
                [this](std::int16_t& x, std::int16_t& y) { CtrlToMap(x, y); });
    byReference(dispid::kMapToCtrl, "MapToCtrl",
                [this](std::int16_t& x, std::int16_t& y) { MapToCtrl(x, y); });
    byReference(dispid::kGetCenter, "GetCenter",
                [this](std::int16_t& x, std::int16_t& y) { GetCenter(x, y); });
    auto single = [this](int id, const char* name, auto method) {
        dispatch_.addMethod(id, name, 1,
                            [method](Args& a) { return AutomationValue(method(toInt16(a[0]))); });
    };
    single(dispid::kCtrlToMapX, "CtrlToMapX", [this](std::int16_t v) { return CtrlToMapX(v); });
    single(dispid::kCtrlToMapY, "CtrlToMapY", [this](std::int16_t v) { return CtrlToMapY(v); });
    single(dispid::kMapToCtrlX, "MapToCtrlX", [this](std::int16_t v) { return MapToCtrlX(v); });
    single(dispid::kMapToCtrlY, "MapToCtrlY", [this](std::int16_t v) { return MapToCtrlY(v); });
    dispatch_.addMethod(dispid::kGetMapHeight, "GetMapHeight", 2, [this](Args& a) {
        return AutomationValue(GetMapHeight(toInt16(a[0]), toInt16(a[1])));
    });
    dispatch_.addProperty(dispid::kMapWidth, "MapWidth",
                          [this] { return AutomationValue(MapWidth()); }, {});
    dispatch_.addProperty(kDispReadyState, "ReadyState",
                          [this] { return AutomationValue(ReadyState()); }, {});
}

void CTerrainViewCtrl::setZoomLevel(std::int16_t zoom) {
    // Levels outside those the drawing supports are clamped.
    view_.zoom = clampZoom(zoom);
    invalidate();
}

void CTerrainViewCtrl::setXCenter(std::int16_t x) {
    if (setViewCentreX(view_, x)) {
        invalidate();
    }
}

void CTerrainViewCtrl::setYCenter(std::int16_t y) {
    if (setViewCentreY(view_, y)) {
        invalidate();
    }
}

void CTerrainViewCtrl::setDrawStatics(bool draw) {
    if (draw != view_.drawStatics) {
        view_.drawStatics = draw;
        invalidate();
    }
}

void CTerrainViewCtrl::ZoomIn() {
    if (zoomViewIn(view_)) {
        invalidate();
    }
}

void CTerrainViewCtrl::ZoomOut() {
    if (zoomViewOut(view_)) {
        invalidate();
    }
}

void CTerrainViewCtrl::SetCenter(std::int16_t x, std::int16_t y) {
    if (centreView(view_, x, y)) {
        invalidate();
    }
}

void CTerrainViewCtrl::Scroll(std::int16_t direction, std::int16_t distance) {
    if (scrollView(view_, direction, distance)) {
        invalidate();
    }
}

std::int16_t CTerrainViewCtrl::CtrlToMapX(std::int16_t x) const {
    return controlToCell(view_.zoom, view_.xCenter, controlMiddle(rect().left(), width()), x);
}

std::int16_t CTerrainViewCtrl::CtrlToMapY(std::int16_t y) const {
    return controlToCell(view_.zoom, view_.yCenter, controlMiddle(rect().top(), height()), y);
}

std::int16_t CTerrainViewCtrl::MapToCtrlX(std::int16_t x) const {
    return cellToControl(view_.zoom, view_.xCenter, controlMiddle(rect().left(), width()), x);
}

std::int16_t CTerrainViewCtrl::MapToCtrlY(std::int16_t y) const {
    return cellToControl(view_.zoom, view_.yCenter, controlMiddle(rect().top(), height()), y);
}

void CTerrainViewCtrl::CtrlToMap(std::int16_t& x, std::int16_t& y) const {
    x = CtrlToMapX(x);
    y = CtrlToMapY(y);
}

void CTerrainViewCtrl::MapToCtrl(std::int16_t& x, std::int16_t& y) const {
    x = MapToCtrlX(x);
    y = MapToCtrlY(y);
}

void CTerrainViewCtrl::GetCenter(std::int16_t& x, std::int16_t& y) const {
    x = view_.xCenter;
    y = view_.yCenter;
}

std::int16_t CTerrainViewCtrl::GetMapHeight(std::int16_t x, std::int16_t y) const {
    return renderer_.mapHeight(x, y);
}

void CTerrainViewCtrl::saveProperties(controls::PropertyBag& bag) const {
    bag.versionMajor = kPersistVersionMajor;
    bag.versionMinor = kPersistVersionMinor;
    bag.values["DrawStatics"] = view_.drawStatics;
    bag.values["xCenter"] = view_.xCenter;
    bag.values["yCenter"] = view_.yCenter;
    bag.values["ZoomLevel"] = view_.zoom;
}

bool CTerrainViewCtrl::loadProperties(const controls::PropertyBag& bag) {
    if (bag.versionMajor > kPersistVersionMajor)
        return false;
    view_.drawStatics = controls::toBool(bag.value("DrawStatics", false));
    view_.xCenter = controls::toInt16(bag.value("xCenter", std::int16_t{3072}));
    view_.yCenter = controls::toInt16(bag.value("yCenter", std::int16_t{2048}));
    view_.zoom = clampZoom(controls::toInt16(bag.value("ZoomLevel", std::int16_t{0})));
    invalidate();
    return true;
}

bool CTerrainViewCtrl::renderInto(controls::PixelBuffer& buffer, const QRect& bounds) {
    return renderer_.render(view_, bounds.width(), bounds.height(), buffer);
}

void CTerrainViewCtrl::mousePressEvent(QMouseEvent* event) {
    const int state = keyState(event->buttons(), event->modifiers());
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton)
        emit MouseDown(static_cast<short>(state & 1), static_cast<short>(state & 4), at.x(),
                       at.y());
    if (event->button() == Qt::RightButton)
        emit MouseDown(static_cast<short>(state & 2), static_cast<short>(state & 4), at.x(),
                       at.y());
}

void CTerrainViewCtrl::mouseMoveEvent(QMouseEvent* event) {
    const int state = keyState(event->buttons(), event->modifiers());
    const QPoint at = event->position().toPoint();
    emit MouseMove(static_cast<short>(state & 0x13), static_cast<short>(state & 4), at.x(), at.y());
}

void CTerrainViewCtrl::mouseReleaseEvent(QMouseEvent* event) {
    // The key state after a release no longer holds the released button.
    const int state = keyState(event->buttons(), event->modifiers());
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton)
        emit MouseUp(static_cast<short>(state & 1), static_cast<short>(state & 4), at.x(), at.y());
    if (event->button() == Qt::RightButton)
        emit MouseUp(static_cast<short>(state & 2), static_cast<short>(state & 4), at.x(), at.y());
}

}  // namespace kaj::terrain
