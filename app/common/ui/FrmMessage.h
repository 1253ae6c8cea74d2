#pragma once

#include <QLabel>
#include <QProgressBar>
#include <QWidget>

namespace kaj::common {

// A prompt with a progress bar; the user-command editing drives it.
class FrmMessage : public QWidget {
    Q_OBJECT
  public:
    explicit FrmMessage(QWidget* parent = nullptr);

    QLabel* lblMessageLabel;
    QProgressBar* ProgressBarMessage;
};

}  // namespace kaj::common
