#pragma once

namespace kaj::cli {

// kajcli travel --dir DIR [--tree] [--add C S N X Y Z | --edit INDEX C S N X Y Z |
//                                   --remove INDEX]
int runTravel(int argc, char** argv);

}  // namespace kaj::cli
