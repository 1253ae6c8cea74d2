// kajscreens PROGRAM_FOLDER OUT_DIR: opens the console on a program folder and
// writes a PNG of the main window for each tab, and of the other windows.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPixmap>
#include <QTabBar>
#include <QTextStream>
#include <QTimer>
#include <QTreeWidgetItemIterator>

#include <cstdio>

#include "CGlyphViewCtrl.h"
#include "CTerrainViewCtrl.h"
#include "FrmMessage.h"
#include "FrmPackageManager.h"
#include "LauncherPage.h"
#include "QtFonts.h"
#include "RecordingDesktopInput.h"
#include "RecordingDialogs.h"
#include "Registry.h"
#include "Shell.h"
#include "TravelPage.h"
#include "frmAbout.h"
#include "frmAddLocation.h"
#include "frmCreateItem.h"
#include "frmCreateNPC.h"
#include "frmEditAccounts.h"
#include "frmEditItems.h"
#include "frmEditNPC.h"
#include "frmMap.h"
#include "frmMenu.h"
#include "frmProgresswindow.h"

namespace {

void settle() {
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents();
    }
}

// Where things are in a window as it was saved, for tests that click them in the
// running program: a line each for every named widget shown, every tab of a tab
// bar and every row a tree shows, "PICTURE KEY X Y WIDTH HEIGHT [TEXT]", in pixels
// from the window's top left corner. Keys: the widget's name, "tab:CAPTION",
// "row:LIST:N" (N counting the rows shown from the top, TEXT the row's columns
// joined by "|").
QFile layoutFile;

void recordLayout(QWidget* window, const QString& picture) {
    QTextStream out(&layoutFile);
    auto line = [&](const QString& key, const QRect& rect, const QString& text = {}) {
        out << picture << ' ' << key << ' ' << rect.x() << ' ' << rect.y() << ' ' << rect.width()
            << ' ' << rect.height() << (text.isEmpty() ? "" : " " + text) << '\n';
    };
    auto inWindow = [window](const QWidget* widget, const QRect& rect) {
        return QRect(widget->mapTo(window, rect.topLeft()), rect.size());
    };
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        if (!widget->isVisibleTo(window)) {
            continue;
        }
        if (!widget->objectName().isEmpty() && !widget->objectName().startsWith("qt_")) {
            line(widget->objectName(), inWindow(widget, widget->rect()));
        }
        if (auto* bar = qobject_cast<QTabBar*>(widget)) {
            for (int i = 0; i < bar->count(); ++i) {
                line("tab:" + QString(bar->tabText(i)).remove('&').replace(' ', '_'),
                     inWindow(bar, bar->tabRect(i)));
            }
        }
        if (auto* list = qobject_cast<QListWidget*>(widget)) {
            for (int row = 0; row < list->count(); ++row) {
                const QRect rect = list->visualItemRect(list->item(row));
                if (!rect.isEmpty() && list->viewport()->rect().intersects(rect)) {
                    line(QString("row:%1:%2").arg(list->objectName()).arg(row),
                         inWindow(list->viewport(), rect), list->item(row)->text());
                }
            }
        }
        if (auto* tree = qobject_cast<QTreeWidget*>(widget)) {
            int shown = 0;
            for (QTreeWidgetItemIterator it(tree); *it; ++it) {
                const QRect rect = tree->visualItemRect(*it);
                if (rect.isEmpty() || !tree->viewport()->rect().intersects(rect)) {
                    continue;
                }
                QStringList columns;
                for (int c = 0; c < tree->columnCount(); ++c) {
                    columns << (*it)->text(c);
                }
                line(QString("row:%1:%2").arg(tree->objectName()).arg(shown++),
                     inWindow(tree->viewport(), rect), columns.join('|'));
            }
        }
    }
}

bool save(QWidget* window, const QString& path) {
    settle();
    const bool ok = window->grab().save(path);
    recordLayout(window, QFileInfo(path).completeBaseName());
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    return ok;
}

// Clicks the first node that lists something, then its first row.
void selectFirstSectionAndRow(QTreeWidget* tree, QTreeWidget* list) {
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        tree->setCurrentItem(*it);
        emit tree->itemClicked(*it, 0);
        if (list->topLevelItemCount() > 0) {
            list->setCurrentItem(list->topLevelItem(0));
            emit list->itemClicked(list->topLevelItem(0), 0);
            return;
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    kaj::platform::useSystemInterfaceFont();
    if (argc != 3) {
        std::fprintf(stderr, "usage: kajscreens PROGRAM_FOLDER OUT_DIR\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(out);
    layoutFile.setFileName(out + "/layout.txt");
    if (!layoutFile.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(layoutFile.fileName()));
        return 1;
    }
    kaj::platform::RecordingDialogs dialogs;
    kaj::platform::RecordingDesktopInput desktop;
    auto shell = kaj::platform::makeSystemShell();
    auto registry = kaj::platform::makeSystemRegistry();
    kaj::console::frmMenu menu({dialogs, desktop, *shell, *registry, std::filesystem::path(argv[1]),
                                std::filesystem::path(argv[1])});
    menu.Form_Load();
    menu.show();
    bool ok = save(menu.progressWindow(), out + "/progress.png");
    const char* names[] = {"0-server",   "1-gm",   "2-player", "3-npc",      "4-item",  "5-travel",
                           "6-launcher", "7-misc", "8-spawns", "9-commands", "10-setup"};
    // A place chosen on the Travel tab, so the list shows it and the map centres on it.
    auto* travel = menu.travelPage();
    selectFirstSectionAndRow(travel->tvwMap, travel->ListLocation);
    for (int tab = 0; tab < menu.SSTab1->count(); ++tab) {
        menu.SSTab1->setCurrentIndex(tab);
        ok = save(&menu, out + "/main-" + names[tab] + ".png") && ok;
    }
    {
        // The Launcher tab while a shard is edited.
        auto* launcher = menu.launcherPage();
        menu.SSTab1->setCurrentIndex(kaj::console::kTabLauncher);
        launcher->ListShards->setCurrentRow(0);
        launcher->cmdEditShard->click();
        ok = save(&menu, out + "/main-6-launcher-editing.png") && ok;
        launcher->cmdLauncherCancel->click();
    }
    {
        // The Client drop-down, shown while two clients are open.
        desktop.windowTitles = {"Ultima Online - Staff (Demo Shard)", "Ultima Online - Player"};
        menu.refreshClientChooser();
        menu.SSTab1->setCurrentIndex(kaj::console::kTabGM);
        ok = save(&menu, out + "/main-client-chooser.png") && ok;
        desktop.windowTitles.clear();
        menu.refreshClientChooser();
    }
    menu.SSTab1->setCurrentIndex(kaj::console::kTabTravel);
    ok = save(menu.mapWindow(), out + "/map.png") && ok;
    travel->cmdEditMap->click();
    ok = save(menu.addLocationWindow(), out + "/add-location.png") && ok;
    menu.addLocationWindow()->cmdCancel->click();
    {
        // The art control as a host shows it: the client's folder comes from the registry.
        QWidget host;
        host.setWindowTitle("GlyphView");
        auto* grid = new QGridLayout(&host);
        const int pictures[][3] = {{0, 1, 20}, {1, 400, 0}, {2, 0, 0}, {3, 0, 0},
                                   {4, 3, 0},  {5, 1, 0},   {7, 0, 0}, {0, 0, 0}};
        for (int i = 0; i < 8; ++i) {
            auto* control = new kaj::glyph::CGlyphViewCtrl(&host);
            control->setFixedSize(160, 160);
            control->SetObject(static_cast<std::int16_t>(pictures[i][0]), pictures[i][1]);
            control->setArtColor(static_cast<std::int16_t>(pictures[i][2]));
            grid->addWidget(control, i / 4, i % 4);
        }
        host.show();
        ok = save(&host, out + "/glyphview.png") && ok;
    }
    {
        // The map control at three zoom levels, statics on.
        QWidget host;
        host.setWindowTitle("TerrainView");
        auto* row = new QHBoxLayout(&host);
        for (int zoom : {-4, 0, 2}) {
            auto* control = new kaj::terrain::CTerrainViewCtrl(&host);
            control->setFixedSize(320, 240);
            control->SetCenter(192, 192);
            control->setZoomLevel(static_cast<std::int16_t>(zoom));
            control->setDrawStatics(true);
            row->addWidget(control);
        }
        host.show();
        ok = save(&host, out + "/terrainview.png") && ok;
    }
    {
        // The catalogue windows as a user finds them: a section clicked, an item chosen.
        auto* items = menu.createItemWindow();
        menu.cmdCreateItem_Click();
        selectFirstSectionAndRow(items->tvwItems, items->ListItems);
        ok = save(items, out + "/create-item.png") && ok;
        auto* npcs = menu.createNpcWindow();
        menu.cmdCreateNPC_Click();
        selectFirstSectionAndRow(npcs->tvwNPC, npcs->ListNPC);
        ok = save(npcs, out + "/create-npc.png") && ok;
        menu.cmdEditItem_Click();
        ok = save(menu.editItemsWindow(), out + "/edit-items.png") && ok;
        menu.cmdEditNPC_Click();
        menu.editNpcWindow()->TabStrip1->setCurrentIndex(4);
        ok = save(menu.editNpcWindow(), out + "/edit-npc.png") && ok;
    }
    {
        // The server-file windows with the demo server's files loaded and one chosen.
        menu.cmdEditAccounts_Click();
        auto* accounts = menu.accountsWindow();
        accounts->cmdLoadAccounts->click();
        accounts->listAccountNames->setCurrentRow(1);
        ok = save(accounts, out + "/accounts.png") && ok;
        accounts->close();
        menu.cmdEditPKG_Click();
        auto* packages = menu.packagesWindow();
        packages->cmdLoadPackages->click();
        packages->listPackageName->setCurrentRow(1);
        ok = save(packages, out + "/packages.png") && ok;
        packages->close();
    }
    menu.showAbout();
    ok = save(menu.aboutWindow(), out + "/about.png") && ok;
    menu.messageWindow()->lblMessageLabel->setText("Please Select a Location for this Command");
    menu.messageWindow()->show();
    ok = save(menu.messageWindow(), out + "/message.png") && ok;
    return ok ? 0 : 1;
}
