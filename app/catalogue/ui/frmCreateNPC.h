#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QWidget>

#include <memory>

namespace kaj::console {
class frmMenu;
class HostedControl;
}  // namespace kaj::console

namespace kaj::catalogue {

// Browses and searches the NPC catalogue, previews the chosen NPC's body, and
// types the NPC, spawn and equipment-template commands.
class frmCreateNPC : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kWidthTwips = 4575;
    static constexpr int kHeightTwips = 7500;

    explicit frmCreateNPC(console::frmMenu& menu, QWidget* parent = nullptr);
    ~frmCreateNPC() override;

    void open();
    void showTree();

    void tvwNPC_NodeClick(QTreeWidgetItem* node);
    void cmdNPCSearch_Click();
    void ListNPC_ItemClick(QTreeWidgetItem* row);
    void cmdLoadNPC_Click();

    console::HostedControl& GlyphView1() const { return *glyphView_; }

    QTreeWidget* tvwNPC;
    QTreeWidget* ListNPC;
    QLineEdit* TextSearch;
    QLineEdit* txtLoadEquip;
    QLineEdit* txtWriteEquip;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void createControls();
    QPushButton* button(const char* name, const char* caption, QWidget* parent);

    console::frmMenu& menu_;
    std::unique_ptr<console::HostedControl> glyphView_;
};

}  // namespace kaj::catalogue
