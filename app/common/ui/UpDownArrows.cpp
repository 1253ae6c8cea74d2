#include "UpDownArrows.h"

#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace kaj::common {

UpDownArrows::UpDownArrows(QLineEdit* buddy, int minimum, int maximum, QWidget* parent)
    : QWidget(parent), buddy_(buddy), minimum_(minimum), maximum_(maximum) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto arrow = [this, layout](Qt::ArrowType type, int steps, const char* name) {
        auto* button = new QToolButton(this);
        button->setObjectName(name);
        button->setArrowType(type);
        button->setAutoRepeat(true);
        button->setFixedSize(16, 11);
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QToolButton::clicked, this, [this, steps] { stepBy(steps); });
        layout->addWidget(button);
    };
    arrow(Qt::UpArrow, 1, "up");
    arrow(Qt::DownArrow, -1, "down");
    setFixedWidth(16);
}

void UpDownArrows::stepBy(int steps) {
    if (!buddy_) {
        return;
    }
    bool isNumber = false;
    const int current = buddy_->text().trimmed().toInt(&isNumber);
    const int next = std::clamp((isNumber ? current : 0) + steps, minimum_, maximum_);
    buddy_->setText(QString::number(next));
}

}  // namespace kaj::common
