#pragma once

namespace kaj::cli {

// kajcli render-map [--client DIR] --center X,Y [--zoom Z] [--statics] [--size WxH] --out FILE.png
int runRenderMap(int argc, char** argv);
// kajcli map-height [--client DIR] X Y
int runMapHeight(int argc, char** argv);

}  // namespace kaj::cli
