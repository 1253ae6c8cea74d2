#include "CommandButtons.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include "EnterReleased.h"
#include "LayoutHelpers.h"
#include "PathText.h"
#include "QtText.h"
#include "UpDownArrows.h"

namespace kaj::console {
namespace {

using platform::fromCp1252;
using platform::toCp1252;

constexpr const char* kCommandAreaName = "CommandArea";

}  // namespace

CommandButtons::CommandButtons(QTabWidget& tabs, CommandHost& host, QObject* selectAllOnFocus,
                               std::function<void()> showAbout)
    : QObject(&tabs),
      tabs_(tabs),
      host_(host),
      selectAllOnFocus_(selectAllOnFocus),
      showAbout_(std::move(showAbout)) {}

QGridLayout* CommandButtons::containerGrid(const GridPlace& place) const {
    QWidget* page = tabs_.widget(place.tab);
    QWidget* container = *place.container == '\0' ? page->findChild<QWidget*>(kCommandAreaName)
                                                  : page->findChild<QGroupBox*>(place.container);
    Q_ASSERT(container != nullptr);
    return qobject_cast<QGridLayout*>(container->layout());
}

void CommandButtons::build() {
    for (const auto& control : argumentControls()) {
        if (control.kind != ControlKind::UpDown) {
            createArgumentControl(control);
        }
    }
    for (const auto& control : argumentControls()) {
        if (control.kind == ControlKind::UpDown) {
            createArgumentControl(control);
        }
    }
    for (const auto& entry : catalogueButtons()) {
        QGridLayout* grid = containerGrid(entry.place);
        auto* button = new QPushButton(entry.caption, grid->parentWidget());
        button->setObjectName(entry.name);
        button->setAutoDefault(false);
        grid->addWidget(button, entry.place.row, entry.place.column, 1, entry.place.columnSpan);
        const CatalogueButton* row = &entry;
        connect(button, &QPushButton::clicked, this, [this, row] { click(*row); });
    }
    wireNumberFields();

    auto* broadcastEnter = new common::EnterReleased(this);
    tabs_.findChild<QLineEdit*>("txtServBcastText")->installEventFilter(broadcastEnter);
    connect(broadcastEnter, &common::EnterReleased::released, this,
            [this] { tabs_.findChild<QPushButton*>("cmdServBcast")->click(); });
}

void CommandButtons::createArgumentControl(const ArgumentControl& control) {
    QGridLayout* grid = containerGrid(control.place);
    QWidget* parent = grid->parentWidget();
    switch (control.kind) {
        case ControlKind::LineEdit: {
            auto* edit = common::namedBox(control.name, parent, selectAllOnFocus_);
            edit->setAccessibleName(control.caption);
            grid->addWidget(edit, control.place.row, control.place.column, 1,
                            control.place.columnSpan);
            break;
        }
        case ControlKind::EditableComboBox:
        case ControlKind::ListComboBox: {
            auto* combo = new QComboBox(parent);
            combo->setObjectName(control.name);
            combo->setAccessibleName(control.caption);
            combo->setEditable(control.kind == ControlKind::EditableComboBox);
            combo->setMaxVisibleItems(20);
            for (const auto& text : dropDownTexts(control.list)) {
                combo->addItem(fromCp1252(text));
            }
            combo->setCurrentIndex(-1);
            combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
            combo->setMinimumContentsLength(control.kind == ControlKind::ListComboBox ? 9 : 8);
            grid->addWidget(combo, control.place.row, control.place.column, 1,
                            control.place.columnSpan);
            break;
        }
        case ControlKind::UpDown: {
            // The arrows join their field in its cell.
            auto* buddy = tabs_.findChild<QLineEdit*>(control.buddy);
            Q_ASSERT(buddy != nullptr);
            auto* cell = new QWidget(parent);
            auto* row = new QHBoxLayout(cell);
            row->setContentsMargins(0, 0, 0, 0);
            row->setSpacing(1);
            const int index = grid->indexOf(buddy);
            int r = 0, c = 0, rowSpan = 0, columnSpan = 0;
            grid->getItemPosition(index, &r, &c, &rowSpan, &columnSpan);
            grid->removeWidget(buddy);
            buddy->setParent(cell);
            row->addWidget(buddy, 1);
            auto* arrows = new common::UpDownArrows(buddy, -1, 32767, cell);
            arrows->setObjectName(control.name);
            row->addWidget(arrows);
            grid->addWidget(cell, r, c, rowSpan, columnSpan);
            break;
        }
    }
}

void CommandButtons::wireNumberFields() {
    auto fill = [this](const char* comboName, const char* fieldName, auto numberOf) {
        auto* combo = tabs_.findChild<QComboBox*>(comboName);
        auto* field = tabs_.findChild<QLineEdit*>(fieldName);
        connect(combo, &QComboBox::currentIndexChanged, this, [field, numberOf](int index) {
            if (index >= 0) {
                field->setText(QString::number(numberOf(index)));
            }
        });
    };
    fill("cboSpells", "TextSpellNumber",
         [](int i) { return spells()[static_cast<std::size_t>(i)].number; });
    fill("cboSongs", "TextSongs",
         [](int i) { return musicEntries()[static_cast<std::size_t>(i)].number; });
    fill("cboPlaySound", "TextPlaySound", [](int i) { return i + 1; });
}

std::string CommandButtons::text(const std::string& control) const {
    auto* widget = tabs_.findChild<QWidget*>(QString::fromStdString(control));
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        return toCp1252(edit->text());
    }
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        return toCp1252(combo->currentText());
    }
    return {};
}

int CommandButtons::selectedPosition(const std::string& control) const {
    auto* combo = tabs_.findChild<QComboBox*>(QString::fromStdString(control));
    return combo != nullptr ? combo->currentIndex() : -1;
}

std::string CommandButtons::spellKeyword(int position) const {
    const auto& keywords = host_.state().ListSpellNames;
    return position >= 0 && position < static_cast<int>(keywords.size())
               ? keywords[static_cast<std::size_t>(position)]
               : std::string();
}

void CommandButtons::click(const CatalogueButton& button) {
    switch (button.action) {
        case ButtonAction::StartPol:
            startPol();
            return;
        case ButtonAction::ShowAbout:
            showAbout_();
            return;
        case ButtonAction::NotActiveYet:
            host_.services().dialogs.message("This command is not active yet.");
            return;
        case ButtonAction::SendCommand:
            break;
    }
    if (button.refusedWhenEmpty != nullptr && text(button.first.control).empty()) {
        host_.services().dialogs.message(button.refusedWhenEmpty);
        return;
    }
    host_.SendCommand(buildCommandText(button, *this));
}

void CommandButtons::startPol() {
    const std::string& folder = host_.state().settings.polPath;
#ifdef _WIN32
    constexpr bool windowsProgram = true;
#else
    constexpr bool windowsProgram = false;
#endif
    const std::string program = polProgramPath(folder, windowsProgram);
    if (!program.empty()) {
        // A wrong folder fails silently, as the shell's open would.
        host_.services().shell.open(program, platform::pathFromText(folder));
    }
}

}  // namespace kaj::console
