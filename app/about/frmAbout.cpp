#include "frmAbout.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QStyle>
#include <QVBoxLayout>

#include "PathText.h"
#include "SystemInformation.h"
#include "Version.h"

namespace kaj::about {
namespace {

QLabel* label(const char* name, const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setWordWrap(true);
    return l;
}

QLabel* link(const char* name, const QString& shown, QWidget* parent) {
    auto* l = label(name, QString("<a href=\"#\">%1</a>").arg(shown.toHtmlEscaped()), parent);
    l->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    l->setCursor(Qt::PointingHandCursor);
    l->setWordWrap(false);
    return l;
}

}  // namespace

frmAbout::frmAbout(console::ConsoleServices& services, QWidget* parent)
    : QWidget(parent, Qt::Dialog), services_(services) {
    setObjectName("frmAbout");
    auto* image = new QLabel(this);
    image->setObjectName("Image1");
    image->setPixmap(style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(48, 48));
    lblVersion = label("lblVersion", "Version", this);
    auto* description = label("lblDescription",
                              "Kajmar Console types the POL server's staff commands into the "
                              "Ultima Online client, browses the "
                              "item and NPC catalogues, keeps travel locations and launches "
                              "shards. Suggestions and error "
                              "reports are welcome: write or visit.",
                              this);
    LabelWWW = link("LabelWWW", kWebPage, this);
    auto* orVisit = label("Label1", "or visit", this);
    orVisit->setWordWrap(false);
    LabelMail = link("LabelMail", kMailAddress, this);
    auto* disclaimer =
        label("lblDisclaimer",
              "Ultima Online, the POL server and Kajmar Console belong to their respective "
              "owners. This console is offered as it is, without any warranty.",
              this);
    lblConsoleFolder = label("lblConsoleFolder", QString(), this);
    lblConsoleFolder->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* line = new QFrame(this);
    line->setObjectName("Line1");
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("cmdOK");
    ok->setDefault(true);
    auto* sysInfo = new QPushButton("&System Info...", this);
    sysInfo->setObjectName("cmdSysInfo");

    constexpr int kTextWidth = 340;
    description->setFixedWidth(kTextWidth);
    disclaimer->setFixedWidth(kTextWidth + 110);
    auto* outer = new QVBoxLayout(this);
    outer->setSizeConstraint(QLayout::SetFixedSize);
    auto* top = new QHBoxLayout;
    top->addWidget(image, 0, Qt::AlignTop);
    auto* texts = new QVBoxLayout;
    for (QWidget* widget : {static_cast<QWidget*>(lblVersion), static_cast<QWidget*>(description),
                            static_cast<QWidget*>(LabelMail), static_cast<QWidget*>(orVisit),
                            static_cast<QWidget*>(LabelWWW)}) {
        texts->addWidget(widget);
    }
    top->addLayout(texts);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(sysInfo);
    buttons->addStretch(1);
    top->addLayout(buttons);
    outer->addLayout(top);
    outer->addWidget(line);
    outer->addWidget(disclaimer);
    lblConsoleFolder->setFixedWidth(kTextWidth + 110);
    outer->addWidget(lblConsoleFolder);

    connect(ok, &QPushButton::clicked, this, &QWidget::close);
    connect(sysInfo, &QPushButton::clicked, this, [this] { StartSysInfo(); });
    connect(LabelWWW, &QLabel::linkActivated, this,
            [this] { services_.shell.open(kWebPage, std::filesystem::path()); });
    connect(LabelMail, &QLabel::linkActivated, this, [this] {
        services_.shell.open(std::string("mailto:") + kMailAddress, std::filesystem::path());
    });
}

void frmAbout::Form_Load() {
    setWindowTitle("About Kajmar Console");
    lblVersion->setText(
        QString("Version %1").arg(QString::fromStdString(console::versionNumber())));
    lblConsoleFolder->setText("Settings and files: " +
                              QString::fromStdWString(services_.programFolder.wstring()));
}

void frmAbout::StartSysInfo() {
    const auto tool = findSystemInformationTool(services_.registry);
    if (!tool) {
        services_.dialogs.message(std::string(kSystemInformationUnavailable) +
                                  "\r\n\r\nKajmar Console keeps its settings and files in " +
                                  platform::pathInMessage(services_.programFolder) + ".");
        return;
    }
    // A tool that cannot be started ends the attempt quietly.
    services_.shell.open(platform::textOfPath(*tool), tool->parent_path());
}

}  // namespace kaj::about
