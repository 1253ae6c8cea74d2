#include "ControlWidget.h"

#include <QImage>
#include <QMetaObject>
#include <QPainter>

namespace kaj::controls {

ControlWidget::ControlWidget(std::atomic<int>& instances, QWidget* parent)
    : QWidget(parent), instances_(instances) {
    ++instances_;
}

ControlWidget::~ControlWidget() {
    --instances_;
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
