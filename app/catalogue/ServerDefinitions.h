#pragma once

#include <filesystem>

#include "CatalogueState.h"

namespace kaj::catalogue {

// The reader of the POL server's own definitions. Lines are classified one by one
// by loose patterns (no braces, no comments understood), as the server's files
// have always been read by this console.

// Appends the items of folder/itemdesc.cfg to ListFullItem.
void LoadItems(CatalogueState& state, const std::filesystem::path& folder);
// Walks folder and everything below it for packages, running Checkpkg on each.
void IndexItems(CatalogueState& state, const std::filesystem::path& folder,
                const MessageSink& message);
// Reads the package's pkg.cfg and, when the package is enabled, its items.
void Checkpkg(CatalogueState& state, const std::filesystem::path& package,
              const MessageSink& message);

void LoadNPCs(CatalogueState& state, const std::filesystem::path& folder);
void IndexNPCs(CatalogueState& state, const std::filesystem::path& folder);
void CheckNPCpkg(CatalogueState& state, const std::filesystem::path& package);

// The folder whose definition file (itemdesc.cfg or npcdesc.cfg) the server reads
// for a package: its config folder when the file is there, else the package itself.
std::filesystem::path packageDefinitionFolder(const std::filesystem::path& package,
                                              const char* fileName);

}  // namespace kaj::catalogue
