#include "ControlMouseEvents.h"

#include "Twips.h"

namespace kaj::common {
namespace {

void forward(const ControlMouseEvents::Handler& handler, short button, short shift, int x, int y) {
    if (handler) {
        handler(button, shift, x * kTwipsPerPixel, y * kTwipsPerPixel);
    }
}

}  // namespace

ControlMouseEvents::ControlMouseEvents(QObject* control, QObject* parent) : QObject(parent) {
    connect(control, SIGNAL(MouseDown(short, short, int, int)), this,
            SLOT(MouseDown(short, short, int, int)));
    connect(control, SIGNAL(MouseMove(short, short, int, int)), this,
            SLOT(MouseMove(short, short, int, int)));
    connect(control, SIGNAL(MouseUp(short, short, int, int)), this,
            SLOT(MouseUp(short, short, int, int)));
}

void ControlMouseEvents::MouseDown(short button, short shift, int x, int y) {
    forward(mouseDown, button, shift, x, y);
}

void ControlMouseEvents::MouseMove(short button, short shift, int x, int y) {
    forward(mouseMove, button, shift, x, y);
}

void ControlMouseEvents::MouseUp(short button, short shift, int x, int y) {
    forward(mouseUp, button, shift, x, y);
}

}  // namespace kaj::common
