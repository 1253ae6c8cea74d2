#pragma once

#include <QLineEdit>
#include <QTreeWidget>

#include "CatalogueWindow.h"

namespace kaj::catalogue {

// Browses and searches the NPC catalogue, previews the chosen NPC's body, and
// types the NPC, spawn and equipment-template commands.
class frmCreateNPC : public CatalogueWindow {
    Q_OBJECT
  public:
    static constexpr int kWidthTwips = 4575;
    static constexpr int kHeightTwips = 7500;

    explicit frmCreateNPC(CatalogueHost& host);

    void showTree();

    void tvwNPC_NodeClick(QTreeWidgetItem* node);
    void cmdNPCSearch_Click();
    void ListNPC_ItemClick(QTreeWidgetItem* row);
    void cmdLoadNPC_Click();

    QTreeWidget* tvwNPC;
    QTreeWidget* ListNPC;
    QLineEdit* txtLoadEquip;
    QLineEdit* txtWriteEquip;

  protected:
    void nodeClicked(QTreeWidgetItem* node) override { tvwNPC_NodeClick(node); }
    void search() override { cmdNPCSearch_Click(); }
    void rowClicked(QTreeWidgetItem* row) override { ListNPC_ItemClick(row); }
    void reload() override { cmdLoadNPC_Click(); }

  private:
    void createControls();
};

}  // namespace kaj::catalogue
