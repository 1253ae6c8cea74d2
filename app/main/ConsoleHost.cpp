#include "ConsoleHost.h"

namespace kaj::console {

ConsoleHost::ConsoleHost(ProgramState& state, ConsoleServices& services,
                         std::function<void()> processEvents)
    : state_(state),
      services_(services),
      sender_(services.desktop, services.dialogs, std::move(processEvents),
              [this] { return clientTarget(); }) {}

ClientTarget ConsoleHost::clientTarget() const {
    return {{state_.settings.clientKind, state_.settings.clientTitle},
            state_.chosenClientWindow,
            state_.launchedClientProcess};
}

std::vector<platform::ListedWindow> ConsoleHost::clientWindows() {
    return console::clientWindows(services_.desktop, clientTarget().rule)
        .value_or(std::vector<platform::ListedWindow>{});
}

void ConsoleHost::SendCommand(const std::string& command) {
    sender_.SendCommand(command, state_.UserCommand, state_.settings.isOn(Option::SendEnter));
}

catalogue::CatalogueSource ConsoleHost::catalogueSource() const {
    catalogue::CatalogueSource source;
    source.useScriptFiles = state_.settings.isOn(Option::UseKajScripts);
    source.programFolder = services_.programFolder;
    source.serverFolder = catalogue::serverFolderFromText(state_.settings.polPath);
    return source;
}

std::filesystem::path ConsoleHost::serverFolder() const {
    return catalogue::serverFolderFromText(state_.settings.polPath);
}

void ConsoleHost::loadItems() {
    catalogue::loadItemCatalogue(
        state_.catalogue, catalogueSource(),
        [this](std::string_view text) { services_.dialogs.message(text); });
}

void ConsoleHost::loadNpcs() {
    catalogue::loadNpcCatalogue(state_.catalogue, catalogueSource(),
                                [this](std::string_view text) { services_.dialogs.message(text); });
}

}  // namespace kaj::console
