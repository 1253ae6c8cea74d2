#include "CatalogueLoads.h"

#include "FileLookup.h"
#include "PathText.h"
#include "ScriptFiles.h"
#include "ServerDefinitions.h"
#include "TreeBuilders.h"

namespace kaj::catalogue {
namespace {

// The server's config folder, or nothing to read when it is missing.
std::filesystem::path configFolder(const std::filesystem::path& server) {
    if (auto found = platform::findCaseInsensitive(server, "config", platform::EntryKind::Folder)) {
        return *found;
    }
    return server / "config";
}

}  // namespace

void resetItemDefaults(CatalogueState& state) {
    state.MasterCategory = "Items";
    state.MasterSubsection = "Misc";
}

void resetNpcDefaults(CatalogueState& state) {
    state.MasterNPCCategory = "NPCs";
    state.MasterNPCSubsection = "Misc";
}

void loadItemCatalogue(CatalogueState& state, const CatalogueSource& source,
                       const MessageSink& message) {
    state.tvwItems.clear();
    state.ListFullItem.clear();
    if (source.useScriptFiles) {
        Load_Kaj_Item_Script(state, source.programFolder, message);
        return;
    }
    if (!source.serverFolder.empty()) {
        LoadItems(state, configFolder(source.serverFolder));
        IndexItems(state, source.serverFolder, message);
    }
    MakeItemNodes(state);
}

void loadNpcCatalogue(CatalogueState& state, const CatalogueSource& source,
                      const MessageSink& message) {
    state.tvwNPC.clear();
    state.ListFullChar.clear();
    if (source.useScriptFiles) {
        Load_Kaj_Char_Script(state, source.programFolder, message);
    } else if (!source.serverFolder.empty()) {
        LoadNPCs(state, configFolder(source.serverFolder));
        IndexNPCs(state, source.serverFolder);
    }
    MakeNpcNodes(state);
}

std::filesystem::path serverFolderFromText(const std::string& text) {
    std::string folder = text;
    while (folder.size() > 1 && (folder.back() == '/' || folder.back() == '\\')) {
        folder.pop_back();
    }
    return platform::pathFromText(folder);
}

}  // namespace kaj::catalogue
