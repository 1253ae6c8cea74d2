#pragma once

#include <QTreeWidget>

#include "CategoryTree.h"

namespace kaj::common {

// Shows a category tree in a tree view, in the model's display order.
void showCategoryTree(QTreeWidget* view, const CategoryTree& tree);
// A report-style list: a tree view without branches, one row per entry.
QTreeWidget* makeReportList(const char* name, const QStringList& columns, QWidget* parent);

}  // namespace kaj::common
