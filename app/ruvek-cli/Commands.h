#pragma once
// The subcommands of ruvek-cli; each lives in its own cmd_*.cpp file.
// args are the arguments after the subcommand name; the return value is the
// process exit code.
#include <string>
#include <vector>

using CliArgs = std::vector<std::string>;

int cmdShow(const CliArgs& args);     // show CLASS.RVK
int cmdResave(const CliArgs& args);   // resave IN.RVK OUT.RVK
int cmdAnnex(const CliArgs& args);    // annex CLASS.RVK [--schultyp N]
int cmdTestpage(const CliArgs& args); // testpage -o FILE.pdf
