#pragma once

#include <QLineEdit>
#include <QPointer>
#include <QWidget>

namespace kaj::common {

// A pair of small arrows that step the whole number in a buddy field.
class UpDownArrows : public QWidget {
    Q_OBJECT
  public:
    UpDownArrows(QLineEdit* buddy, int minimum, int maximum, QWidget* parent = nullptr);

    void stepBy(int steps);

  private:
    QPointer<QLineEdit> buddy_;
    int minimum_;
    int maximum_;
};

}  // namespace kaj::common
