#pragma once

namespace kaj::cli {

// kajcli send [--user] [--enter] TEXT
int runSend(int argc, char** argv);

}  // namespace kaj::cli
