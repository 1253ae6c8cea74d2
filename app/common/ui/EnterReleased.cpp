#include "EnterReleased.h"

#include <QKeyEvent>

namespace kaj::common {

bool EnterReleased::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!key->isAutoRepeat() && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            emit released();
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace kaj::common
