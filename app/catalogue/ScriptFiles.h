#pragma once

#include <filesystem>

#include "CatalogueState.h"

namespace kaj::catalogue {

// The catalogue script files in the program's folder. KajItems.scp, then
// KajItems2.scp, go into tvwItems (roots "Items" and "Custom") and ListFullItem,
// which are added to, not cleared.
void Load_Kaj_Item_Script(CatalogueState& state, const std::filesystem::path& programFolder,
                          const MessageSink& message);
// Every line of KajChar.scp into ListFullChar; the tree is left alone.
void Load_Kaj_Char_Script(CatalogueState& state, const std::filesystem::path& programFolder,
                          const MessageSink& message);

}  // namespace kaj::catalogue
