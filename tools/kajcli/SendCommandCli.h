#pragma once

namespace kaj::cli {

// kajcli send [--user] [--enter] [--client classic|classicuo|TITLE] TEXT
int runSend(int argc, char** argv);
// kajcli clients [--client classic|classicuo|TITLE]: the windows that count as the
// client, the one commands go to first: window id, process id, title.
int runClients(int argc, char** argv);

}  // namespace kaj::cli
