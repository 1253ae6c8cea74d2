#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <string>
#include <vector>

#include "TravelEntries.h"

namespace kaj::travel {

// The Add Location window: a place's category, subsection, name and position, for
// a new entry or (titled "Edit Location") one being edited. The travel page acts
// on its two buttons; closing it by its close box is a Cancel.
class frmAddLocation : public QWidget {
    Q_OBJECT
  public:
    explicit frmAddLocation(QWidget* parent = nullptr);

    LocationFields fields() const;
    void setFields(const LocationFields& fields);
    void setPosition(int x, int y, int z);
    // Empties the combo boxes' texts and the four text boxes.
    void clearFields();
    // The captions of adding ("Add Location", "Add") or editing ("Edit Location", "Done").
    void setEditing(bool editing);
    // Adds the categories and subsections of the entries the boxes lack; they are
    // never emptied.
    void fillCombos(const std::vector<std::string>& entries);

    QComboBox* Combo1;
    QComboBox* Combo2;
    QLineEdit* Text1;
    QLineEdit* Text2;
    QLineEdit* Text3;
    QLineEdit* Text4;
    QPushButton* cmdAdd;
    QPushButton* cmdCancel;

  signals:
    void saveClicked();
    void cancelClicked();

  protected:
    void closeEvent(QCloseEvent* event) override;
};

}  // namespace kaj::travel
