#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>

#include <map>
#include <set>

#include "FrmPackageManager.h"
#include "MenuHarness.h"
#include "TreeEditorWindow.h"
#include "frmAbout.h"
#include "frmAddLocation.h"
#include "frmCreateItem.h"
#include "frmCreateNPC.h"
#include "frmEditAccounts.h"
#include "frmEditItems.h"
#include "frmEditNPC.h"
#include "frmMap.h"

namespace kaj::console {
namespace {

using kaj::testing::MenuHarness;
using kaj::testing::TempFolder;

QString accessibleName(QWidget* widget) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible == nullptr ? QString() : accessible->text(QAccessible::Name);
}

// A field a person fills or picks in, and what a screen reader calls it: a radio
// button by the pair it belongs to, everything else by its own name.
struct Field {
    QWidget* named;
    QString description;
};

std::optional<Field> fieldOf(QWidget* widget) {
    if (qobject_cast<QRadioButton*>(widget) != nullptr) {
        return Field{widget->parentWidget(), "the pair of " + widget->objectName()};
    }
    if (qobject_cast<QLineEdit*>(widget) != nullptr ||
        qobject_cast<QTextEdit*>(widget) != nullptr ||
        qobject_cast<QPlainTextEdit*>(widget) != nullptr ||
        qobject_cast<QComboBox*>(widget) != nullptr ||
        (qobject_cast<QAbstractItemView*>(widget) != nullptr &&
         qobject_cast<QHeaderView*>(widget) == nullptr) ||
        qobject_cast<QCheckBox*>(widget) != nullptr ||
        qobject_cast<QAbstractSpinBox*>(widget) != nullptr) {
        if (qobject_cast<QLineEdit*>(widget) != nullptr &&
            (qobject_cast<QComboBox*>(widget->parentWidget()) != nullptr ||
             qobject_cast<QAbstractSpinBox*>(widget->parentWidget()) != nullptr)) {
            return std::nullopt;  // the editable part of a drop-down or spin box
        }
        return Field{widget, widget->objectName()};
    }
    return std::nullopt;
}

// The fields a person sees in a window, page by page where it has pages.
class WindowFields {
  public:
    explicit WindowFields(QWidget* window) : window_(window) {
        window->show();
        QCoreApplication::processEvents();
        collect();
        for (auto* tabs : window->findChildren<QTabWidget*>()) {
            for (int i = 0; i < tabs->count(); ++i) {
                tabs->setCurrentIndex(i);
                collect();
            }
        }
        for (auto* bar : window->findChildren<QTabBar*>()) {
            if (qobject_cast<QTabWidget*>(bar->parentWidget()) == nullptr) {
                for (int i = 0; i < bar->count(); ++i) {
                    bar->setCurrentIndex(i);
                    QCoreApplication::processEvents();
                    collect();
                }
            }
        }
    }

    // Every field without a name, or with a name another field of the window has.
    std::vector<std::string> faults() const {
        std::vector<std::string> found;
        std::map<QString, QStringList> byName;
        for (const auto& [named, description] : fields_) {
            const QString name = accessibleName(named);
            if (name.trimmed().isEmpty()) {
                found.push_back(description.toStdString() + " has no name");
            } else {
                byName[name].push_back(description);
            }
        }
        for (const auto& [name, descriptions] : byName) {
            if (descriptions.size() > 1) {
                found.push_back("\"" + name.toStdString() + "\" names " +
                                descriptions.join(", ").toStdString());
            }
        }
        return found;
    }

    std::size_t size() const { return fields_.size(); }

  private:
    void collect() {
        for (auto* widget : window_->findChildren<QWidget*>()) {
            if (!widget->isVisibleTo(window_)) {
                continue;
            }
            if (const auto field = fieldOf(widget)) {
                fields_.emplace(field->named, field->description);
            }
        }
    }

    QWidget* window_;
    std::map<QWidget*, QString> fields_;
};

struct AccessibleNames : ::testing::Test {
    MenuHarness h;
    TempFolder pol;
    frmMenu* menu = nullptr;

    void SetUp() override {
        pol.write("data/accounts.txt", "Account\n{\n\tName\tadmin\n\tPassword\tx\n}\n");
        pol.write("pkg/tools/pkg.cfg", "Enabled 1\nName tools\n");
        h.folder.write("Kaj.ini", "USEKAJSCRIPTS=1\r\nPOLPATH=" + pol.path().string() + "/\r\n");
        menu = &h.open();
    }

    void expectNamed(QWidget* window, std::size_t atLeast) {
        ASSERT_NE(window, nullptr);
        SCOPED_TRACE(window->objectName().toStdString());
        const WindowFields fields(window);
        EXPECT_GE(fields.size(), atLeast);
        for (const auto& fault : fields.faults()) {
            ADD_FAILURE() << fault;
        }
    }
};

TEST_F(AccessibleNames, EveryFieldOfEveryWindowHasANameOfItsOwn) {
    expectNamed(menu, 20);
    for (const char* button : {"cmdCreateItem", "cmdCreateNPC", "cmdEditItem", "cmdEditNPC",
                               "cmdEditAccounts", "cmdEditPKG"}) {
        h.find<QPushButton>(button)->click();
    }
    expectNamed(menu->createItemWindow(), 4);
    expectNamed(menu->createNpcWindow(), 4);
    expectNamed(menu->editItemsWindow(), 10);
    expectNamed(menu->editNpcWindow(), 10);
    expectNamed(menu->accountsWindow(), 10);
    expectNamed(menu->packagesWindow(), 10);
    expectNamed(menu->addLocationWindow(), 5);
    expectNamed(menu->mapWindow(), 0);  // the map and its position label alone
    menu->showAbout();
    expectNamed(menu->aboutWindow(), 0);
}

}  // namespace
}  // namespace kaj::console
