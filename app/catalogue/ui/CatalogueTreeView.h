#pragma once

#include <QTreeWidget>

#include "CatalogueTree.h"

namespace kaj::catalogue {

// Shows a catalogue tree model in a tree view, in the model's display order.
void showCatalogueTree(QTreeWidget* view, const CatalogueTree& tree);
// A report-style list: a tree view without branches, one row per entry.
QTreeWidget* makeReportList(const char* name, const QStringList& columns, QWidget* parent);

}  // namespace kaj::catalogue
