#include "HostedControl.h"

#include <QVBoxLayout>

#include <map>

#include "ControlLibrary.h"
#include "ControlMouseEvents.h"
#include "PathText.h"

namespace kaj::common {
namespace {

// A library stays open, and registered, for the rest of the run once a control
// came from it: its classes' code must outlive every control.
std::shared_ptr<controls::ControlLibrary> openLibrary(const std::filesystem::path& file,
                                                      std::string& error) {
    static std::map<std::filesystem::path, std::shared_ptr<controls::ControlLibrary>> opened;
    if (auto found = opened.find(file); found != opened.end()) {
        return found->second;
    }
    auto library = controls::ControlLibrary::open(file, &error);
    if (!library) {
        return nullptr;
    }
    library->registerServer();
    auto shared = std::make_shared<controls::ControlLibrary>(std::move(*library));
    opened.emplace(file, shared);
    return shared;
}

}  // namespace

std::filesystem::path controlLibraryFile(const std::filesystem::path& folder, const char* name) {
#ifdef _WIN32
    return folder / (std::string(name) + ".dll");
#else
    return folder / ("lib" + std::string(name) + ".so");
#endif
}

HostedControl::HostedControl(const std::filesystem::path& libraryFile, const std::string& programId,
                             QWidget* parent)
    : widget_(new QWidget(parent)) {
    auto* layout = new QVBoxLayout(widget_);
    layout->setContentsMargins(0, 0, 0, 0);
    library_ = openLibrary(libraryFile, error_);
    if (!library_) {
        return;
    }
    QWidget* control = library_->create(programId, widget_);
    if (!control) {
        error_ =
            "the library " + platform::pathInMessage(libraryFile) + " has no class " + programId;
        return;
    }
    layout->addWidget(control);
    control_ = control;
    mouseEvents_ = new ControlMouseEvents(control, widget_);
}

HostedControl::~HostedControl() = default;

bool HostedControl::putVariant(int dispatchId, const QVariant& value) const {
    bool ok = false;
    return control_ &&
           QMetaObject::invokeMethod(control_.data(), "dispatchPut", Q_RETURN_ARG(bool, ok),
                                     Q_ARG(int, dispatchId), Q_ARG(QVariant, value)) &&
           ok;
}

bool HostedControl::put(int dispatchId, short value) const {
    return putVariant(dispatchId, QVariant::fromValue<short>(value));
}

bool HostedControl::put(int dispatchId, int value) const {
    return putVariant(dispatchId, QVariant::fromValue<int>(value));
}

bool HostedControl::put(int dispatchId, bool value) const {
    return putVariant(dispatchId, QVariant(value));
}

std::optional<int> HostedControl::get(int dispatchId) const {
    QVariant value;
    if (!control_ ||
        !QMetaObject::invokeMethod(control_.data(), "dispatchGet", Q_RETURN_ARG(QVariant, value),
                                   Q_ARG(int, dispatchId)) ||
        !value.isValid()) {
        return std::nullopt;
    }
    return value.toInt();
}

std::optional<Invocation> HostedControl::invoke(int dispatchId,
                                                const std::vector<short>& arguments) const {
    QVariantList values;
    for (short argument : arguments) {
        values.push_back(QVariant::fromValue<short>(argument));
    }
    QVariantList out;
    if (!control_ ||
        !QMetaObject::invokeMethod(control_.data(), "dispatchInvoke",
                                   Q_RETURN_ARG(QVariantList, out), Q_ARG(int, dispatchId),
                                   Q_ARG(QVariantList, values)) ||
        out.isEmpty()) {
        return std::nullopt;
    }
    Invocation invocation;
    if (out.front().isValid()) {
        invocation.result = out.front().toInt();
    }
    for (qsizetype i = 1; i < out.size(); ++i) {
        invocation.arguments.push_back(out[i].toInt());
    }
    return invocation;
}

}  // namespace kaj::common
