#pragma once

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QWidget>

#include <memory>

namespace kaj::console {
class frmMenu;
class HostedControl;
}  // namespace kaj::console

namespace kaj::catalogue {

// Browses and searches the item catalogue, previews the chosen item's art, and
// types the item commands.
class frmCreateItem : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kWidthTwips = 4590;
    static constexpr int kHeightTwips = 7500;

    explicit frmCreateItem(console::frmMenu& menu, QWidget* parent = nullptr);
    ~frmCreateItem() override;

    // Shows the window with the focus in the search box.
    void open();
    // Shows the loaded catalogue tree; the list is emptied.
    void showTree();

    void tvwItems_NodeClick(QTreeWidgetItem* node);
    void cmdNPCSearch_Click();
    void ListItems_ItemClick(QTreeWidgetItem* row);
    void ListObjTypes_ItemClick(QTreeWidgetItem* row);
    void cmdLoadItems_Click();

    console::HostedControl& GlyphView1() const { return *glyphView_; }

    QTreeWidget* tvwItems;
    QTreeWidget* ListItems;
    QTreeWidget* ListObjTypes;
    QLineEdit* TextSearch;
    QLineEdit* TextGraphic;
    QLineEdit *txtAmount3, *txtAmount4, *txtAmount5, *txtAmountChest, *TextDistance;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void createControls();
    QPushButton* button(const char* name, const char* caption, QWidget* parent);
    void send(const std::string& command);
    // The ID column of the selected row, or nothing (with its message) when no
    // row is selected.
    std::optional<std::string> selectedId(const char* missingMessage);
    void fillObjectTypes();

    console::frmMenu& menu_;
    std::unique_ptr<console::HostedControl> glyphView_;
};

}  // namespace kaj::catalogue
