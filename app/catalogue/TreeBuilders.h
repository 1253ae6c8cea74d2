#pragma once

#include "CatalogueState.h"

namespace kaj::catalogue {

// Builds tvwItems from ListFullItem under the root "Custom": a category node for
// each new category, a section node for each new section, a text already anywhere
// in the tree (letter case ignored) adding nothing.
void MakeItemNodes(CatalogueState& state);
// The same for tvwNPC from ListFullChar, under the root "NPCs".
void MakeNpcNodes(CatalogueState& state);

}  // namespace kaj::catalogue
