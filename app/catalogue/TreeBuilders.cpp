#include "TreeBuilders.h"

#include "ConfigText.h"

namespace kaj::catalogue {
namespace {

void makeNodes(CatalogueTree& tree, const std::vector<std::string>& records, const char* root) {
    tree.addRoot(root, root, true);
    for (const auto& record : records) {
        const auto fields = splitFields(record);
        if (fields.size() < 2) {
            continue;
        }
        const std::string category = trimLeadingBlanks(fields[0]);
        const std::string section = trimLeadingBlanks(fields[1]);
        if (!tree.hasTextIgnoringCase(category)) {
            tree.addChild(root, category, category, true);
        }
        if (!tree.hasTextIgnoringCase(section)) {
            tree.addChild(category, "", section, true);
        }
    }
}

}  // namespace

void MakeItemNodes(CatalogueState& state) {
    makeNodes(state.tvwItems, state.ListFullItem, "Custom");
}

void MakeNpcNodes(CatalogueState& state) {
    makeNodes(state.tvwNPC, state.ListFullChar, "NPCs");
}

}  // namespace kaj::catalogue
