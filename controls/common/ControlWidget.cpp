#include "ControlWidget.h"

#include <QImage>
#include <QMetaObject>
#include <QPainter>

#include <optional>

namespace kaj::controls {

ControlWidget::ControlWidget(std::atomic<int>& instances, QWidget* parent)
    : QWidget(parent), instances_(instances) {
    ++instances_;
}

ControlWidget::~ControlWidget() {
    --instances_;
}

namespace {

QVariant toVariant(const AutomationValue& value) {
    if (const auto* v16 = std::get_if<std::int16_t>(&value)) {
        return QVariant::fromValue<short>(*v16);
    }
    if (const auto* v32 = std::get_if<std::int32_t>(&value)) {
        return QVariant::fromValue<int>(*v32);
    }
    if (const auto* flag = std::get_if<bool>(&value)) {
        return QVariant(*flag);
    }
    return {};
}

std::optional<AutomationValue> fromVariant(const QVariant& value) {
    switch (value.metaType().id()) {
        case QMetaType::Short:
            return static_cast<std::int16_t>(value.value<short>());
        case QMetaType::Int:
            return static_cast<std::int32_t>(value.toInt());
        case QMetaType::Bool:
            return value.toBool();
        default:
            return std::nullopt;
    }
}

}  // namespace

QVariant ControlWidget::dispatchGet(int id) const {
    AutomationValue value;
    if (!dispatch_.get(id, value)) {
        return {};
    }
    return toVariant(value);
}

bool ControlWidget::dispatchPut(int id, const QVariant& value) {
    const auto converted = fromVariant(value);
    return converted && dispatch_.put(id, *converted);
}

QVariantList ControlWidget::dispatchInvoke(int id, const QVariantList& arguments) {
    std::vector<AutomationValue> values;
    for (const auto& argument : arguments) {
        const auto converted = fromVariant(argument);
        if (!converted) {
            return {};
        }
        values.push_back(*converted);
    }
    AutomationValue result;
    if (!dispatch_.invoke(id, values, result)) {
        return {};
    }
    QVariantList out{toVariant(result)};
    for (const auto& value : values) {
        out.push_back(toVariant(value));
    }
    return out;
}

void ControlWidget::markReady() {
    ready_ = true;
    readyState_ = kReadyStateComplete;
    QMetaObject::invokeMethod(
        this, [this] { emit ReadyStateChange(readyState_); }, Qt::QueuedConnection);
}

void ControlWidget::invalidate() {
    modified_ = true;
    rendered_ = false;
    update();
}

void ControlWidget::paintEvent(QPaintEvent*) {
    if (!ready_) {
        return;
    }
    const QRect bounds = rect();
    if (bounds.size() != lastBounds_.size()) {
        modified_ = true;
        rendered_ = false;
        lastBounds_ = bounds;
    }
    if (!rendered_) {
        if (!renderInto(buffer_, bounds)) {
            return;  // unpainted; the next paint tries again
        }
        ++renderCount_;
    }
    if (buffer_.width() > 0 && buffer_.height() > 0) {
        const QImage image(buffer_.bytes().data(), buffer_.width(), buffer_.height(),
                           buffer_.width() * 3, QImage::Format_BGR888);
        QPainter(this).drawImage(bounds.topLeft(), image);
    }
    modified_ = false;
    rendered_ = true;
}

}  // namespace kaj::controls
