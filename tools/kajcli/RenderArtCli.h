#pragma once

namespace kaj::cli {

// kajcli render-art --client DIR --type T --index N [--color H] [--size WxH]
//                   [--background RRGGBB] --out FILE.png
int runRenderArt(int argc, char** argv);

}  // namespace kaj::cli
