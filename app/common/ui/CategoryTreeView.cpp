#include "CategoryTreeView.h"

#include <QHeaderView>

#include "QtText.h"

namespace kaj::common {

void showCategoryTree(QTreeWidget* view, const CategoryTree& tree) {
    view->clear();
    std::vector<QTreeWidgetItem*> items(tree.size(), nullptr);
    std::vector<QTreeWidgetItem*> parents;  // the last item shown at each depth
    for (const auto& shown : tree.displayOrder()) {
        const auto depth = static_cast<std::size_t>(shown.depth);
        parents.resize(depth);
        auto* item = depth == 0 ? new QTreeWidgetItem(view) : new QTreeWidgetItem(parents.back());
        const auto& node = tree.node(shown.index);
        item->setText(0, platform::fromCp1252(node.text));
        item->setData(0, Qt::UserRole, platform::fromCp1252(node.key));
        parents.push_back(item);
    }
    for (int i = 0; i < view->topLevelItemCount(); ++i) {
        view->topLevelItem(i)->setExpanded(true);
    }
}

QTreeWidget* makeReportList(const char* name, const QStringList& columns, QWidget* parent) {
    auto* list = new QTreeWidget(parent);
    list->setObjectName(name);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setColumnCount(static_cast<int>(columns.size()));
    list->setHeaderLabels(columns);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setAllColumnsShowFocus(true);
    list->header()->setStretchLastSection(true);
    return list;
}

}  // namespace kaj::common
