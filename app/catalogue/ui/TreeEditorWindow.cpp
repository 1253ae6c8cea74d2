#include "TreeEditorWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

#include "QtText.h"
#include "Twips.h"

namespace kaj::catalogue {

TreeEditorWindow::TreeEditorWindow(const char* name, const char* caption, int widthTwips,
                                   int heightTwips) {
    setObjectName(name);
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    TreeView1 = new QTreeWidget(this);
    TreeView1->setObjectName("TreeView1");
    TreeView1->setHeaderHidden(true);
    TreeView1->setAccessibleName("Catalogue tree");
    TreeView1->setFixedWidth(150);
    layout->addWidget(TreeView1);
    auto* right = new QVBoxLayout();
    TabStrip1 = new QTabBar(this);
    TabStrip1->setObjectName("TabStrip1");
    TabStrip1->setExpanding(false);
    TabStrip1->setUsesScrollButtons(true);
    right->addWidget(TabStrip1);
    pageArea_ = new QWidget(this);
    right->addWidget(pageArea_, 1);
    buttonRow_ = new QWidget(this);
    auto* buttons = new QHBoxLayout(buttonRow_);
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->addStretch(1);
    right->addWidget(buttonRow_);
    layout->addLayout(right, 1);
    connect(TabStrip1, &QTabBar::currentChanged, this, [this] { TabChanged(); });
    setFixedSize(widthTwips / common::kTwipsPerPixel, heightTwips / common::kTwipsPerPixel);
}

QGridLayout* TreeEditorWindow::addPage(const char* tab) {
    auto* page = new QGroupBox(pageArea_);
    page->setObjectName(QString("FramePage%1").arg(FramePage.size()));
    FramePage.push_back(page);
    TabStrip1->addTab(tab);
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(6, 6, 6, 6);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(2);
    return grid;
}

void TreeEditorWindow::addFields(QGridLayout* page, const std::vector<std::string>& labels,
                                 int rowsPerColumn, const char* boxName) {
    const int firstColumn = page->columnCount() > 1 ? page->columnCount() : 0;
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const int row = static_cast<int>(i) % rowsPerColumn;
        const int column = firstColumn + static_cast<int>(i) / rowsPerColumn * 2;
        auto* label = new QLabel(platform::fromCp1252(labels[i]), page->parentWidget());
        auto* box = new QLineEdit(page->parentWidget());
        box->setObjectName(boxName);
        box->setMinimumWidth(50);
        label->setBuddy(box);
        page->addWidget(label, row, column);
        page->addWidget(box, row, column + 1);
    }
}

QPushButton* TreeEditorWindow::addButton(const char* name, const char* caption) {
    auto* button = new QPushButton(caption, buttonRow_);
    button->setObjectName(name);
    button->setEnabled(false);
    button->setToolTip("Not available in this version");
    buttonRow_->layout()->addWidget(button);
    return button;
}

void TreeEditorWindow::Form_Load() {
    const int pageHeight = height() - TabStrip1->sizeHint().height() - 60;
    for (auto* page : FramePage) {
        page->setGeometry(0, 0, width() - 170, pageHeight);
    }
    TabChanged();
}

void TreeEditorWindow::TabChanged() {
    const int pages = std::min(TabStrip1->count(), static_cast<int>(FramePage.size()));
    for (int i = 1; i <= pages; ++i) {
        FramePage[static_cast<std::size_t>(i - 1)]->setVisible(i - 1 == TabStrip1->currentIndex());
    }
}

}  // namespace kaj::catalogue
