#include "FrmMessage.h"

#include <QVBoxLayout>

namespace kaj::console {

FrmMessage::FrmMessage(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint),
      lblMessageLabel(new QLabel(this)),
      ProgressBarMessage(new QProgressBar(this)) {
    setObjectName("FrmMessage");
    setWindowTitle("Kajmar Console - Message");
    lblMessageLabel->setObjectName("lblMessageLabel");
    lblMessageLabel->setWordWrap(true);
    ProgressBarMessage->setObjectName("ProgressBarMessage");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblMessageLabel);
    layout->addWidget(ProgressBarMessage);
    resize(320, 90);
}

}  // namespace kaj::console
