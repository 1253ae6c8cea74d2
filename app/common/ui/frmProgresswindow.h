#pragma once

#include <QListWidget>
#include <QWidget>

namespace kaj::common {

// Shows the start-up steps, one line each, until the main window's timer hides it.
class frmProgresswindow : public QWidget {
    Q_OBJECT
  public:
    explicit frmProgresswindow(QWidget* parent = nullptr);

    void appendLine(const QString& line);
    QStringList lines() const;

    QListWidget* ListProgress;
};

}  // namespace kaj::common
