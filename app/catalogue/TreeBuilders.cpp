#include "TreeBuilders.h"

#include <string>
#include <string_view>

#include "ConfigText.h"
#include "TextRoutines.h"

namespace kaj::catalogue {
namespace {

void makeNodes(common::CategoryTree& tree, const std::vector<std::string>& records,
               const char* root) {
    tree.addRoot(root, root, true);
    // A record of the same category and section as the one before changes nothing: the
    // sorted list keeps them together, so most records are passed over this way.
    std::string lastCategory;
    std::string lastSection;
    bool any = false;
    for (const auto& record : records) {
        const std::string_view text(record);
        const std::size_t bar = text.find('|');
        if (bar == std::string_view::npos) {
            continue;
        }
        const std::size_t secondBar = text.find('|', bar + 1);
        const std::string_view categoryField = common::leadingBlanksTrimmed(text.substr(0, bar));
        const std::string_view sectionField = common::leadingBlanksTrimmed(
            text.substr(bar + 1, secondBar == std::string_view::npos ? std::string_view::npos
                                                                     : secondBar - bar - 1));
        if (any && categoryField == lastCategory && sectionField == lastSection) {
            continue;
        }
        any = true;
        lastCategory.assign(categoryField);
        lastSection.assign(sectionField);
        const std::string& category = lastCategory;
        const std::string& section = lastSection;
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
