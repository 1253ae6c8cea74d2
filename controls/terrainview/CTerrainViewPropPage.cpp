#include "CTerrainViewPropPage.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>

#include "CTerrainViewCtrl.h"

namespace kaj::terrain {
namespace {

std::optional<long> wholeNumber(const QLineEdit* box) {
    bool ok = false;
    const long value = box->text().trimmed().toLong(&ok);
    return ok ? std::optional<long>(value) : std::nullopt;
}

}  // namespace

CTerrainViewPropPage::CTerrainViewPropPage(QWidget* parent)
    : QWidget(parent),
      drawStatics(new QCheckBox("&Draw Static Objects", this)),
      x(new QLineEdit(this)),
      y(new QLineEdit(this)),
      zoom(new QLineEdit(this)) {
    setObjectName("CTerrainViewPropPage");
    setWindowTitle("General");
    setToolTip("Names to appear in the control");
    drawStatics->setObjectName("chkDrawStatics");
    x->setObjectName("txtX");
    y->setObjectName("txtY");
    zoom->setObjectName("txtZoomLevel");
    auto* form = new QFormLayout(this);
    form->addRow(drawStatics);
    auto* centre = new QHBoxLayout;
    centre->addWidget(new QLabel("X", this));
    centre->addWidget(x);
    centre->addWidget(new QLabel("Y", this));
    centre->addWidget(y);
    form->addRow("Initial Map Center", centre);
    form->addRow("Initial Zoom Level", zoom);
    // 250 x 110 dialog units at the usual 4 x 8 base.
    setMinimumSize(375, 180);
}

void CTerrainViewPropPage::loadFrom(const CTerrainViewCtrl& control) {
    drawStatics->setChecked(control.DrawStatics());
    x->setText(QString::number(control.xCenter()));
    y->setText(QString::number(control.yCenter()));
    zoom->setText(QString::number(control.ZoomLevel()));
}

std::optional<std::string> CTerrainViewPropPage::applyTo(CTerrainViewCtrl& control) {
    struct Check {
        QLineEdit* box;
        long lowest;
        long highest;
        const char* name;
    };
    const Check checks[] = {{x, 0, control.MapWidth(), "X"},
                            {y, 0, 4096, "Y"},
                            {zoom, -32768, 32767, "Initial Zoom Level"}};
    for (const auto& check : checks) {
        const auto value = wholeNumber(check.box);
        if (!value || *value < check.lowest || *value > check.highest) {
            check.box->setFocus(Qt::OtherFocusReason);
            check.box->selectAll();
            return std::string("Please enter an integer between ") + std::to_string(check.lowest) +
                   " and " + std::to_string(check.highest) + " for " + check.name + ".";
        }
    }
    control.setDrawStatics(drawStatics->isChecked());
    control.setXCenter(static_cast<std::int16_t>(*wholeNumber(x)));
    control.setYCenter(static_cast<std::int16_t>(*wholeNumber(y)));
    control.setZoomLevel(static_cast<std::int16_t>(*wholeNumber(zoom)));
    return std::nullopt;
}

}  // namespace kaj::terrain
