#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QWidget>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "CatalogueHost.h"

namespace kaj::common {
class HostedControl;
class SelectAllOnFocus;
}  // namespace kaj::common

namespace kaj::catalogue {

// What the Create Item and Create NPC windows share: the tree, the search row
// with its reload button, the report list, the art control, the opening, and a
// close that only hides until the main window itself closes.
class CatalogueWindow : public QWidget {
    Q_OBJECT
  public:
    ~CatalogueWindow() override;

    // Shows the window with the focus in the search box.
    void open();
    common::HostedControl& GlyphView1() const { return *glyphView_; }

    QLineEdit* TextSearch;

  protected:
    struct Names {
        const char* window;
        const char* caption;
        const char* tree;
        const char* loadButton;
        const char* loadCaption;
        const char* list;
        // What screen readers call the tree and the list.
        const char* treeCaption;
        const char* listCaption;
    };
    CatalogueWindow(CatalogueHost& host, const Names& names, const QStringList& columns,
                    short artType);

    virtual void nodeClicked(QTreeWidgetItem* node) = 0;
    virtual void search() = 0;
    virtual void rowClicked(QTreeWidgetItem* row) = 0;
    virtual void reload() = 0;

    // The art control in a place of its own, hidden until a row is clicked.
    QWidget* artPlace(QSize size);
    QPushButton* button(const char* name, const char* caption, QWidget* parent);
    // Shows the art control and sets what the row gave; a value it could not
    // give leaves that property as it was.
    void preview(std::optional<std::int32_t> index, std::optional<std::int16_t> colour);
    // Fills the list anew, one row per entry, Windows-1252 texts per column.
    void showRows(const std::vector<std::vector<std::string>>& rows);
    void setSizeInTwips(int width, int height);
    // The field selects its whole text whenever it receives the focus.
    void selectAllOnFocus(QLineEdit* edit);
    void closeEvent(QCloseEvent* event) override;

    CatalogueHost& host_;
    common::SelectAllOnFocus* selectAll_;
    QVBoxLayout* layout_;
    QTreeWidget* tree_;
    QTreeWidget* list_;
    std::unique_ptr<common::HostedControl> glyphView_;
};

}  // namespace kaj::catalogue
