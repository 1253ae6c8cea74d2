#pragma once

#include <filesystem>

#include "CatalogueState.h"

namespace kaj::catalogue {

// Where a load reads from: the script files in the program's folder, or the
// server's folder (its config folder and every enabled package).
struct CatalogueSource {
    bool useScriptFiles = false;
    std::filesystem::path programFolder;
    std::filesystem::path serverFolder;
};

// A full load of one catalogue into an emptied list and tree. The defaults are
// left as they are: the reload buttons and the builder reset them first. An empty
// server folder reads nothing rather than the current folder.
void loadItemCatalogue(CatalogueState& state, const CatalogueSource& source,
                       const MessageSink& message);
void loadNpcCatalogue(CatalogueState& state, const CatalogueSource& source,
                      const MessageSink& message);

void resetItemDefaults(CatalogueState& state);
void resetNpcDefaults(CatalogueState& state);

// The server folder named by the settings' path text (UTF-8), which ends with a
// separator.
std::filesystem::path serverFolderFromText(const std::string& text);

}  // namespace kaj::catalogue
