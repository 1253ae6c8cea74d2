#include "CatalogueWindow.h"

#include <QCloseEvent>
#include <QHBoxLayout>

#include "CategoryTreeView.h"
#include "EnterReleased.h"
#include "GlyphViewDispatchIds.h"
#include "HostedControl.h"
#include "QtText.h"
#include "SelectAllOnFocus.h"
#include "Twips.h"

namespace kaj::catalogue {
CatalogueWindow::CatalogueWindow(CatalogueHost& host, const Names& names,
                                 const QStringList& columns, short artType)
    : host_(host), selectAll_(new common::SelectAllOnFocus(this)) {
    setObjectName(names.window);
    setWindowTitle(names.caption);
    layout_ = new QVBoxLayout(this);
    layout_->setContentsMargins(4, 4, 4, 4);
    layout_->setSpacing(3);

    tree_ = new QTreeWidget(this);
    tree_->setObjectName(names.tree);
    tree_->setHeaderHidden(true);
    tree_->setAccessibleName(names.treeCaption);
    layout_->addWidget(tree_, 3);
    connect(tree_, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* node) { nodeClicked(node); });

    auto* searchRow = new QHBoxLayout();
    TextSearch = new QLineEdit(this);
    TextSearch->setObjectName("TextSearch");
    TextSearch->setAccessibleName("Search");
    auto* searchButton = button("cmdNPCSearch", "Search", this);
    auto* load = button(names.loadButton, names.loadCaption, this);
    searchRow->addWidget(TextSearch, 1);
    searchRow->addWidget(searchButton);
    searchRow->addWidget(load);
    layout_->addLayout(searchRow);
    connect(searchButton, &QPushButton::clicked, this, [this] { search(); });
    connect(load, &QPushButton::clicked, this, [this] { reload(); });
    auto* enter = new common::EnterReleased(this);
    TextSearch->installEventFilter(enter);
    connect(enter, &common::EnterReleased::released, this, [this] { search(); });
    selectAllOnFocus(TextSearch);

    list_ = common::makeReportList(names.list, columns, this);
    list_->setAccessibleName(names.listCaption);
    layout_->addWidget(list_, 3);
    connect(list_, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* row) { rowClicked(row); });
    // The arrow keys preview as a click does.
    connect(list_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* row) {
        if (row) {
            rowClicked(row);
        }
    });

    glyphView_ = std::make_unique<common::HostedControl>(
        common::controlLibraryFile(host_.controlFolder(), "GlyphView"), "GLYPHVIEW.GlyphViewCtrl.1",
        this);
    glyphView_->widget()->setObjectName("GlyphView1");
    glyphView_->put(glyph::dispid::kArtType, artType);
    glyphView_->widget()->setVisible(false);
}

CatalogueWindow::~CatalogueWindow() = default;

QWidget* CatalogueWindow::artPlace(QSize size) {
    auto* place = new QWidget(this);
    place->setFixedSize(size);
    auto* placeLayout = new QVBoxLayout(place);
    placeLayout->setContentsMargins(0, 0, 0, 0);
    glyphView_->widget()->setParent(place);
    placeLayout->addWidget(glyphView_->widget());
    glyphView_->widget()->setVisible(false);
    return place;
}

QPushButton* CatalogueWindow::button(const char* name, const char* caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    b->setStyleSheet("padding: 2px 4px;");
    return b;
}

void CatalogueWindow::preview(std::optional<std::int32_t> index,
                              std::optional<std::int16_t> colour) {
    glyphView_->widget()->setVisible(true);
    if (index) {
        glyphView_->put(glyph::dispid::kArtIndex, *index);
    }
    if (colour) {
        glyphView_->put(glyph::dispid::kArtColor, short{*colour});
    }
}

void CatalogueWindow::showRows(const std::vector<std::vector<std::string>>& rows) {
    list_->clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(rows.size()));
    for (const auto& row : rows) {
        QStringList texts;
        for (const auto& text : row) {
            texts << platform::fromCp1252(text);
        }
        items.push_back(new QTreeWidgetItem(texts));
    }
    list_->addTopLevelItems(items);
}

void CatalogueWindow::selectAllOnFocus(QLineEdit* edit) {
    edit->installEventFilter(selectAll_);
}

void CatalogueWindow::setSizeInTwips(int width, int height) {
    setFixedSize(width / common::kTwipsPerPixel, height / common::kTwipsPerPixel);
}

void CatalogueWindow::open() {
    show();
    raise();
    activateWindow();
    tree_->setFocus();
    TextSearch->setFocus();
}

void CatalogueWindow::closeEvent(QCloseEvent* event) {
    if (host_.Shutdown()) {
        event->accept();
        return;
    }
    hide();
    event->ignore();
}

}  // namespace kaj::catalogue
