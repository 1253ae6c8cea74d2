#pragma once

namespace kaj::cli {

// kajcli accounts --pol DIR [--new NAME PASSWORD | --delete NAME |
//                            --set NAME FIELD VALUE]... [--save]
int runAccounts(int argc, char** argv);
// kajcli packages --pol DIR [--package INDEX [--set FIELD VALUE]... --save]
int runPackages(int argc, char** argv);

}  // namespace kaj::cli
