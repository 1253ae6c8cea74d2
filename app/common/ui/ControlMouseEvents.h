#pragma once

#include <QObject>

#include <functional>

namespace kaj::common {

// Receives a hosted control's mouse events by their signatures (the control's own
// classes are not known to the program) and hands them on in twips, the units a
// container delivers positions in.
class ControlMouseEvents : public QObject {
    Q_OBJECT
  public:
    using Handler = std::function<void(short button, short shift, int x, int y)>;

    ControlMouseEvents(QObject* control, QObject* parent);

    Handler mouseDown;
    Handler mouseMove;
    Handler mouseUp;

  private slots:
    void MouseDown(short button, short shift, int x, int y);
    void MouseMove(short button, short shift, int x, int y);
    void MouseUp(short button, short shift, int x, int y);
};

}  // namespace kaj::common
