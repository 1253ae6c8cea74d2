#pragma once

#include <array>
#include <vector>

#include "ControlWidget.h"

namespace kaj::testing {

// The mouse events a control fires, each as {kind, Button, Shift, x, y} with kind
// 0 for MouseDown, 1 for MouseMove and 2 for MouseUp.
struct MouseEventRecorder {
    std::vector<std::array<int, 5>> seen;

    explicit MouseEventRecorder(controls::ControlWidget* control) {
        auto record = [this](int kind) {
            return [this, kind](short button, short shift, int x, int y) {
                seen.push_back({kind, button, shift, x, y});
            };
        };
        QObject::connect(control, &controls::ControlWidget::MouseDown, record(0));
        QObject::connect(control, &controls::ControlWidget::MouseMove, record(1));
        QObject::connect(control, &controls::ControlWidget::MouseUp, record(2));
    }
};

}  // namespace kaj::testing
