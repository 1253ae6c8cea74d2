#include "frmProgresswindow.h"

#include <QCoreApplication>
#include <QVBoxLayout>

namespace kaj::common {

frmProgresswindow::frmProgresswindow(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), ListProgress(new QListWidget(this)) {
    setObjectName("frmProgresswindow");
    setWindowTitle("Kajmar Console - Loading");
    ListProgress->setObjectName("ListProgress");
    ListProgress->setSelectionMode(QAbstractItemView::NoSelection);
    ListProgress->setFocusPolicy(Qt::NoFocus);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(ListProgress);
    resize(430, 200);
}

void frmProgresswindow::appendLine(const QString& line) {
    ListProgress->addItem(line);
    ListProgress->scrollToBottom();
}

QStringList frmProgresswindow::lines() const {
    QStringList all;
    for (int i = 0; i < ListProgress->count(); ++i) {
        all << ListProgress->item(i)->text();
    }
    return all;
}

}  // namespace kaj::common
