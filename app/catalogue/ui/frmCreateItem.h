#pragma once

#include <QLineEdit>
#include <QTreeWidget>

#include <optional>
#include <string>

#include "CatalogueWindow.h"

namespace kaj::catalogue {

// Browses and searches the item catalogue, previews the chosen item's art, and
// types the item commands.
class frmCreateItem : public CatalogueWindow {
    Q_OBJECT
  public:
    static constexpr int kWidthTwips = 4590;
    static constexpr int kHeightTwips = 7500;

    explicit frmCreateItem(CatalogueHost& host);

    // Shows the loaded catalogue tree; the lists are emptied.
    void showTree();

    void tvwItems_NodeClick(QTreeWidgetItem* node);
    void cmdNPCSearch_Click();
    void ListItems_ItemClick(QTreeWidgetItem* row);
    void ListObjTypes_ItemClick(QTreeWidgetItem* row);
    void cmdLoadItems_Click();

    QTreeWidget* tvwItems;
    QTreeWidget* ListItems;
    QTreeWidget* ListObjTypes;
    QLineEdit* TextGraphic;
    QLineEdit *txtAmount3, *txtAmount4, *txtAmount5, *txtAmountChest, *TextDistance;

  protected:
    void nodeClicked(QTreeWidgetItem* node) override { tvwItems_NodeClick(node); }
    void search() override { cmdNPCSearch_Click(); }
    void rowClicked(QTreeWidgetItem* row) override { ListItems_ItemClick(row); }
    void reload() override { cmdLoadItems_Click(); }

  private:
    void createControls();
    void send(const std::string& command);
    // The ID column of the selected row, or nothing (with its message) when no
    // row is selected.
    std::optional<std::string> selectedId(const char* missingMessage);
    void fillObjectTypes();
};

}  // namespace kaj::catalogue
