#pragma once

namespace kaj::cli {

// kajcli items|npcs (--pol DIR | --scripts DIR) [--tree]: the records the console
// would load, each followed by LF, then with --tree a "--" line and the tree.
int runCatalogue(bool npcs, int argc, char** argv);

}  // namespace kaj::cli
