#pragma once

#include <QObject>

namespace kaj::common {

// Makes a line edit select its whole text whenever it receives the focus.
class SelectAllOnFocus : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace kaj::common
