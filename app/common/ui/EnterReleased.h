#pragma once

#include <QObject>

namespace kaj::common {

// Reports the release of Enter in a watched widget (the key's "KeyUp"), so the
// keys of a command never start while Enter is still held in the console.
class EnterReleased : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;

  signals:
    void released();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace kaj::common
