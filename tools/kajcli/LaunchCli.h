#pragma once

namespace kaj::cli {

// kajcli launch --uo DIR --name NAME --ip IP --port PORT --account ACCOUNT
//               --password PASSWORD --client PATH [--no-start]
int runLaunch(int argc, char** argv);

}  // namespace kaj::cli
