#pragma once

#include <QCheckBox>
#include <QLineEdit>
#include <QWidget>

#include <optional>
#include <string>

namespace kaj::terrain {

class CTerrainViewCtrl;

// The control's property page "General": statics, the initial centre and zoom.
class Q_DECL_EXPORT CTerrainViewPropPage : public QWidget {
    Q_OBJECT
  public:
    explicit CTerrainViewPropPage(QWidget* parent = nullptr);

    void loadFrom(const CTerrainViewCtrl& control);
    // Writes the fields to the control. A value outside its range is refused with a
    // message naming the field and its range, the focus goes back to that box, and
    // nothing is written.
    std::optional<std::string> applyTo(CTerrainViewCtrl& control);

    QCheckBox* drawStatics;
    QLineEdit* x;
    QLineEdit* y;
    QLineEdit* zoom;
};

}  // namespace kaj::terrain
