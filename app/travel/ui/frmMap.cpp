#include "frmMap.h"

namespace kaj::travel {

frmMap::frmMap(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("frmMap");
    setWindowTitle("Travel Map");
    resize(400, 300);
}

}  // namespace kaj::travel
