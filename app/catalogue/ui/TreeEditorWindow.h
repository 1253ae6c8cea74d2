#pragma once

#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTreeWidget>
#include <QWidget>

#include <vector>

namespace kaj::catalogue {

// A property sheet of a server definition: a tree on the left, a tab strip and
// one page of fields per tab on the right, all pages in one place. Only the tabs
// work: the tree, the fields and the buttons are a layout, the buttons disabled.
class TreeEditorWindow : public QWidget {
    Q_OBJECT
  public:
    // Shows the page of the selected tab and hides the others.
    void TabChanged();

    QTreeWidget* TreeView1;
    QTabBar* TabStrip1;
    std::vector<QGroupBox*> FramePage;

  protected:
    TreeEditorWindow(const char* name, const char* caption, int widthTwips, int heightTwips);

    // A new page behind a new tab; fields go into its grid.
    QGridLayout* addPage(const char* tab);
    // Label and box pairs in columns of at most rowsPerColumn rows, from the page's
    // next free column on.
    void addFields(QGridLayout* page, const std::vector<std::string>& labels, int rowsPerColumn,
                   const char* boxName);
    QPushButton* addButton(const char* name, const char* caption);
    // Places every page where the first one is, then shows the selected one.
    void Form_Load();

  private:
    QWidget* pageArea_;
    QWidget* buttonRow_;
};

}  // namespace kaj::catalogue
