#include "FrmMessage.h"

#include <QVBoxLayout>

namespace kaj::common {

FrmMessage::FrmMessage(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint),
      lblMessageLabel(new QLabel(this)),
      ProgressBarMessage(new QProgressBar(this)) {
    setObjectName("FrmMessage");
    setWindowTitle("Kajmar Console");
    lblMessageLabel->setObjectName("lblMessageLabel");
    lblMessageLabel->setWordWrap(true);
    ProgressBarMessage->setObjectName("ProgressBarMessage");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(3);
    ProgressBarMessage->setMaximumHeight(16);
    layout->addWidget(lblMessageLabel);
    layout->addWidget(ProgressBarMessage);
    resize(320, 90);
}

}  // namespace kaj::common
