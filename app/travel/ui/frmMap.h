#pragma once

#include <QWidget>

namespace kaj::travel {

// The travel map window, shown while the Travel tab is selected.
class frmMap : public QWidget {
    Q_OBJECT
  public:
    explicit frmMap(QWidget* parent = nullptr);

    void setDrawStatics(bool draw) { drawStatics_ = draw; }
    bool drawStatics() const { return drawStatics_; }

  private:
    bool drawStatics_ = false;
};

}  // namespace kaj::travel
