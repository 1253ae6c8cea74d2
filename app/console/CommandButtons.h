#pragma once

#include <QObject>

#include <string>

#include "CommandCatalogue.h"

class QGridLayout;
class QWidget;

namespace kaj::console {

class frmMenu;

// Draws the staff-command buttons and their fields and drop-downs on the main
// window's tabs from the catalogue tables, and turns a click into a command.
class CommandButtons : public QObject, public ArgumentReader {
    Q_OBJECT
  public:
    explicit CommandButtons(frmMenu& menu);

    void build();
    void click(const CatalogueButton& button);

    std::string text(const std::string& control) const override;
    int selectedPosition(const std::string& control) const override;
    std::string spellKeyword(int position) const override;

  private:
    QGridLayout* containerGrid(const GridPlace& place) const;
    void createArgumentControl(const ArgumentControl& control);
    void wireNumberFields();
    void startPol();

    frmMenu& menu_;
};

}  // namespace kaj::console
