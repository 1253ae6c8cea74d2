#include "frmAddLocation.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "LayoutHelpers.h"
#include "QtText.h"
#include "SelectAllOnFocus.h"

namespace kaj::travel {
namespace {

using platform::fromCp1252;
using platform::toCp1252;

std::vector<std::string> itemsOf(const QComboBox* box) {
    std::vector<std::string> items;
    for (int i = 0; i < box->count(); ++i) {
        items.push_back(toCp1252(box->itemText(i)));
    }
    return items;
}

void appendNewItems(QComboBox* box, const std::vector<std::string>& items) {
    // The text typed stays as it is while items are added.
    const QString text = box->currentText();
    for (std::size_t i = static_cast<std::size_t>(box->count()); i < items.size(); ++i) {
        box->addItem(fromCp1252(items[i]));
    }
    box->setCurrentText(text);
}

}  // namespace

frmAddLocation::frmAddLocation(QWidget* parent) : QWidget(parent, Qt::Dialog) {
    setObjectName("frmAddLocation");
    setWindowTitle("Add Location");
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    auto combo = [this](const char* name) {
        auto* box = new QComboBox(this);
        box->setObjectName(name);
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setMinimumWidth(180);
        return box;
    };
    Combo1 = combo("Combo1");
    Combo2 = combo("Combo2");
    auto* selectAll = new common::SelectAllOnFocus(this);
    auto text = [this, selectAll](const char* name) {
        return common::namedBox(name, this, selectAll);
    };
    Text1 = text("Text1");
    Text2 = text("Text2");
    Text3 = text("Text3");
    Text4 = text("Text4");
    grid->addWidget(common::fieldLabel("Category", Combo1), 0, 0);
    grid->addWidget(Combo1, 0, 1, 1, 5);
    grid->addWidget(common::fieldLabel("Subsection", Combo2), 1, 0);
    grid->addWidget(Combo2, 1, 1, 1, 5);
    grid->addWidget(common::fieldLabel("Name", Text1), 2, 0);
    grid->addWidget(Text1, 2, 1, 1, 5);
    const std::pair<const char*, QLineEdit*> position[] = {
        {"X", Text2}, {"Y", Text3}, {"Z", Text4}};
    for (int i = 0; i < 3; ++i) {
        grid->addWidget(common::fieldLabel(position[i].first, position[i].second), 3, i * 2,
                        Qt::AlignRight);
        position[i].second->setMaximumWidth(60);
        grid->addWidget(position[i].second, 3, i * 2 + 1);
    }
    layout->addLayout(grid);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    cmdAdd = new QPushButton("Add", this);
    cmdAdd->setObjectName("cmdAdd");
    cmdCancel = new QPushButton("Cancel", this);
    cmdCancel->setObjectName("cmdCancel");
    buttons->addWidget(cmdAdd);
    buttons->addWidget(cmdCancel);
    layout->addLayout(buttons);
    setTabOrder(Combo1, Combo2);
    setTabOrder(Combo2, Text1);
    setTabOrder(Text1, Text2);
    setTabOrder(Text2, Text3);
    setTabOrder(Text3, Text4);
    setTabOrder(Text4, cmdAdd);
    setTabOrder(cmdAdd, cmdCancel);
    connect(cmdAdd, &QPushButton::clicked, this, &frmAddLocation::saveClicked);
    connect(cmdCancel, &QPushButton::clicked, this, &frmAddLocation::cancelClicked);
}

LocationFields frmAddLocation::fields() const {
    return {toCp1252(Combo1->currentText()), toCp1252(Combo2->currentText()),
            toCp1252(Text1->text()),         toCp1252(Text2->text()),
            toCp1252(Text3->text()),         toCp1252(Text4->text())};
}

void frmAddLocation::setFields(const LocationFields& f) {
    Combo1->setCurrentText(fromCp1252(f.category));
    Combo2->setCurrentText(fromCp1252(f.subsection));
    Text1->setText(fromCp1252(f.name));
    Text2->setText(fromCp1252(f.x));
    Text3->setText(fromCp1252(f.y));
    Text4->setText(fromCp1252(f.z));
}

void frmAddLocation::setPosition(int x, int y, int z) {
    Text2->setText(QString::number(x));
    Text3->setText(QString::number(y));
    Text4->setText(QString::number(z));
}

void frmAddLocation::clearFields() {
    setFields({});
}

void frmAddLocation::setEditing(bool editing) {
    setWindowTitle(editing ? "Edit Location" : "Add Location");
    cmdAdd->setText(editing ? "Done" : "Add");
}

void frmAddLocation::fillCombos(const std::vector<std::string>& entries) {
    auto categories = itemsOf(Combo1);
    auto subsections = itemsOf(Combo2);
    addComboItems(entries, categories, subsections);
    appendNewItems(Combo1, categories);
    appendNewItems(Combo2, subsections);
}

void frmAddLocation::closeEvent(QCloseEvent* event) {
    // The close box cancels, so the travel page's buttons come back.
    event->ignore();
    emit cancelClicked();
}

}  // namespace kaj::travel
