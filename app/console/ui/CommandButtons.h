#pragma once

#include <QObject>

#include <functional>
#include <string>

#include "CommandCatalogue.h"
#include "CommandHost.h"

class QGridLayout;
class QTabWidget;

namespace kaj::console {

// Draws the staff-command buttons and their fields and drop-downs on the main
// window's tabs from the catalogue tables, and turns a click into a command.
class CommandButtons : public QObject, public ArgumentReader {
    Q_OBJECT
  public:
    CommandButtons(QTabWidget& tabs, CommandHost& host, QObject* selectAllOnFocus,
                   std::function<void()> showAbout);

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

    QTabWidget& tabs_;
    CommandHost& host_;
    QObject* selectAllOnFocus_;
    std::function<void()> showAbout_;
};

}  // namespace kaj::console
