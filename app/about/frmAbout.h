#pragma once

#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include "ConsoleServices.h"

namespace kaj::about {

// The version window: version, description, disclaimer, the author's web page and
// mail links, and the system-information tool.
class frmAbout : public QWidget {
    Q_OBJECT
  public:
    static constexpr const char* kWebPage = "https://kajmar-console.example.org/";
    static constexpr const char* kMailAddress = "staff@kajmar-console.example.org";

    explicit frmAbout(console::ConsoleServices& services, QWidget* parent = nullptr);

    void Form_Load();
    void StartSysInfo();

    QLabel* lblVersion;
    QLabel* LabelWWW;
    QLabel* LabelMail;
    QLabel* lblConsoleFolder;  // where the console keeps its files

  private:
    console::ConsoleServices& services_;
};

}  // namespace kaj::about
