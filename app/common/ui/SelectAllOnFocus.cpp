#include "SelectAllOnFocus.h"

#include <QEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

namespace kaj::common {

bool SelectAllOnFocus::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (auto* edit = qobject_cast<QLineEdit*>(watched)) {
            // After the event: a mouse click that gave the focus would undo the selection.
            QPointer<QLineEdit> guard(edit);
            QTimer::singleShot(0, edit, [guard] {
                if (guard) {
                    guard->selectAll();
                }
            });
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace kaj::common
