#include "ClientChooser.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>

#include "QtText.h"

namespace kaj::console {
namespace {

// A drop-down that asks for its items again just before it opens.
class RefreshingComboBox : public QComboBox {
  public:
    RefreshingComboBox(std::function<void()> beforeOpening, QWidget* parent)
        : QComboBox(parent), beforeOpening_(std::move(beforeOpening)) {}

    void showPopup() override {
        beforeOpening_();
        QComboBox::showPopup();
    }

  private:
    std::function<void()> beforeOpening_;
};

}  // namespace

ClientChooser::ClientChooser(Lister lister, QWidget* parent)
    : QWidget(parent), lister_(std::move(lister)) {
    setObjectName("ClientChooser");
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(2, 0, 2, 0);
    row->setSpacing(3);
    cboClient = new RefreshingComboBox([this] { refresh(current_); }, this);
    cboClient->setObjectName("cboClient");
    // Setup's client box is "Client" too.
    cboClient->setAccessibleName("Client receiving commands");
    row->addWidget(new QLabel("Client", this));
    cboClient->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cboClient->setMinimumContentsLength(14);
    row->addWidget(cboClient);
    connect(cboClient, &QComboBox::activated, this, [this](int index) {
        const auto window = cboClient->itemData(index).toULongLong();
        current_ = window;
        emit windowChosen(window);
    });
}

void ClientChooser::refresh(std::optional<std::uint64_t> current) {
    current_ = current;
    const auto windows = lister_();
    const QSignalBlocker blocker(cboClient);
    cboClient->clear();
    for (const auto& window : windows) {
        cboClient->addItem(platform::fromCp1252(window.title),
                           QVariant::fromValue<qulonglong>(window.id));
        if (current && window.id == *current) {
            cboClient->setCurrentIndex(cboClient->count() - 1);
        }
    }
    setVisible(windows.size() > 1);
}

}  // namespace kaj::console
