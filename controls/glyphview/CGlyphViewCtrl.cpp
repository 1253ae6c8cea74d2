#include "CGlyphViewCtrl.h"

#include <QEvent>
#include <QMouseEvent>

#include <atomic>

#include "ClientFolder.h"
#include "ControlRegistry.h"

namespace kaj::glyph {
namespace {

std::atomic<int> instances{0};

short buttonCode(Qt::MouseButtons buttons) {
    short code = 0;
    if (buttons & Qt::LeftButton)
        code |= 1;
    if (buttons & Qt::RightButton)
        code |= 2;
    if (buttons & Qt::MiddleButton)
        code |= 4;
    return code;
}

short shiftCode(Qt::KeyboardModifiers modifiers) {
    short code = 0;
    if (modifiers & Qt::ShiftModifier)
        code |= 1;
    if (modifiers & Qt::ControlModifier)
        code |= 2;
    if (modifiers & Qt::AltModifier)
        code |= 4;
    return code;
}

}  // namespace

CGlyphViewCtrl::CGlyphViewCtrl(QWidget* parent) : ControlWidget(instances, parent) {
    create(controls::chooseSystemClientFolder(controls::ControlRegistry::instance().clientFolder())
               .folder);
}

CGlyphViewCtrl::CGlyphViewCtrl(const std::filesystem::path& clientFolder, QWidget* parent)
    : ControlWidget(instances, parent) {
    create(clientFolder);
}

CGlyphViewCtrl::~CGlyphViewCtrl() = default;

int CGlyphViewCtrl::liveInstances() {
    return instances.load();
}

void CGlyphViewCtrl::create(const std::filesystem::path& clientFolder) {
    setObjectName("GlyphView1");
    properties_ = {};
    library_ = ArtLibrary::fromFolder(clientFolder);
    buildDispatch();
    markReady();
}

void CGlyphViewCtrl::buildDispatch() {
    using controls::AutomationValue;
    dispatch_.addProperty(
        dispid::kArtType, "ArtType", [this] { return AutomationValue(ArtType()); },
        [this](const AutomationValue& v) { setArtType(controls::toInt16(v)); });
    dispatch_.addProperty(
        dispid::kArtIndex, "ArtIndex", [this] { return AutomationValue(ArtIndex()); },
        [this](const AutomationValue& v) { setArtIndex(controls::toInt32(v)); });
    dispatch_.addProperty(
        dispid::kArtColor, "ArtColor", [this] { return AutomationValue(ArtColor()); },
        [this](const AutomationValue& v) { setArtColor(controls::toInt16(v)); });
    dispatch_.addMethod(dispid::kSetObject, "SetObject", 2,
                        [this](std::vector<AutomationValue>& a) {
                            SetObject(controls::toInt16(a[0]), controls::toInt32(a[1]));
                            return AutomationValue{};
                        });
    dispatch_.addProperty(kDispReadyState, "ReadyState",
                          [this] { return AutomationValue(ReadyState()); }, {});
}

void CGlyphViewCtrl::setArtType(std::int16_t type) {
    if (type != properties_.type) {
        properties_.type = type;
        invalidate();
    }
}

void CGlyphViewCtrl::setArtIndex(std::int32_t index) {
    const auto value = static_cast<std::uint32_t>(index);
    if (value != properties_.index) {
        properties_.index = value;
        invalidate();
    }
}

void CGlyphViewCtrl::setArtColor(std::int16_t colour) {
    properties_.colour = static_cast<std::uint16_t>(colour);
    invalidate();
}

void CGlyphViewCtrl::SetObject(std::int16_t type, std::int32_t index) {
    properties_.type = type;
    properties_.index = static_cast<std::uint32_t>(index);
    invalidate();
}

void CGlyphViewCtrl::saveProperties(controls::PropertyBag& bag) const {
    bag.versionMajor = kPersistVersionMajor;
    bag.versionMinor = kPersistVersionMinor;
    bag.values["ArtType"] = properties_.type;
    bag.values["ArtIndex"] = static_cast<std::int32_t>(properties_.index);
    bag.values["ArtColor"] = static_cast<std::int16_t>(properties_.colour);
}

bool CGlyphViewCtrl::loadProperties(const controls::PropertyBag& bag) {
    if (bag.versionMajor > kPersistVersionMajor) {
        return false;
    }
    properties_.type = controls::toInt16(bag.value("ArtType", std::int16_t{0}));
    properties_.index =
        static_cast<std::uint32_t>(controls::toInt32(bag.value("ArtIndex", std::int32_t{0})));
    properties_.colour =
        static_cast<std::uint16_t>(controls::toInt16(bag.value("ArtColor", std::int16_t{0})));
    invalidate();
    return true;
}

std::uint32_t CGlyphViewCtrl::buttonFace() const {
    const QColor face = palette().color(QPalette::Button);
    return static_cast<std::uint32_t>(face.blue()) * 65536u +
           static_cast<std::uint32_t>(face.green()) * 256u + static_cast<std::uint32_t>(face.red());
}

bool CGlyphViewCtrl::renderInto(controls::PixelBuffer& buffer, const QRect& bounds) {
    buffer.resizeForBounds(bounds.width(), bounds.height());
    library_.draw(properties_, buffer, buttonFace());
    return true;
}

void CGlyphViewCtrl::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    emit MouseDown(buttonCode(event->button()), shiftCode(event->modifiers()), at.x(), at.y());
}

void CGlyphViewCtrl::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    emit MouseMove(buttonCode(event->buttons()), shiftCode(event->modifiers()), at.x(), at.y());
}

void CGlyphViewCtrl::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    emit MouseUp(buttonCode(event->button()), shiftCode(event->modifiers()), at.x(), at.y());
}

void CGlyphViewCtrl::changeEvent(QEvent* event) {
    // The host's ambient properties: its colours, font and style.
    switch (event->type()) {
        case QEvent::PaletteChange:
        case QEvent::FontChange:
        case QEvent::StyleChange:
        case QEvent::EnabledChange:
            invalidate();
            break;
        default:
            break;
    }
    QWidget::changeEvent(event);
}

}  // namespace kaj::glyph
