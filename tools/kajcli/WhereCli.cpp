#include "WhereCli.h"

#include <cstdio>

#include "CliArguments.h"
#include "ConsoleFolder.h"
#include "OutputLine.h"

namespace kaj::cli {

std::filesystem::path consoleFolder() {
    return platform::chooseConsoleFolder(platform::runningProgramFolder()).path;
}

int runWhere(int argc, char**) {
    if (argc != 0) {
        std::fprintf(stderr, "usage: kajcli where\n");
        return 2;
    }
    const auto folder = platform::chooseConsoleFolder(platform::runningProgramFolder());
    writeLine(stdout, folder.path.string());
    const auto client = clientFolderChoiceOf({});
    writeLine(stdout, "client folder: " +
                          (client.source == controls::ClientFolderSource::Nowhere
                               ? std::string("none")
                               : client.folder.string()) +
                          " (" + controls::describeClientFolderSource(client.source) + ")");
    if (!folder.problem.empty()) {
        writeLine(stderr, platform::newConsoleFolderNote(folder));
        return 1;
    }
    return 0;
}

}  // namespace kaj::cli
