#pragma once
// The subcommands of ruvek-cli; each lives in its own cmd_*.cpp file.
// args are the arguments after the subcommand name; the return value is the
// process exit code.
#include "CliPrompter.h"
#include "ExitCodes.h"

#include "settings/Installation.h"

#include <chrono>
#include <string>
#include <vector>

using CliArgs = std::vector<std::string>;

// What every command works with: the installation of the program folder
// (the folder of this executable), loaded as the desktop program loads it,
// and the prompter that prints messages to stderr.
struct CliContext {
    ruvek::Installation installation;
    CliPrompter prompter;
    int loadErrors = 0;   // error messages while loading the installation
    // How long a command that changes a class waits for another program to
    // release it (--warten SEKUNDEN); zero: refuse at once.
    std::chrono::milliseconds lockWait{0};
};

int cmdShow(const CliArgs& args, CliContext& context);     // show CLASS.RVK
int cmdResave(const CliArgs& args, CliContext& context);   // resave IN.RVK OUT.RVK
int cmdAnnex(const CliArgs& args, CliContext& context);    // annex CLASS.RVK [--schultyp N]
int cmdTestpage(const CliArgs& args, CliContext& context); // testpage -o FILE.pdf
int cmdForm(const CliArgs& args, CliContext& context);     // form CLASS.RVK --nr N
int cmdSet(const CliArgs& args, CliContext& context);      // set CLASS.RVK --nr N Feld=Wert ...
int cmdAdd(const CliArgs& args, CliContext& context);      // add CLASS.RVK --name N [--vorname V] [--hinter NR]
int cmdDelete(const CliArgs& args, CliContext& context);   // delete CLASS.RVK --nr NR
int cmdPurge(const CliArgs& args, CliContext& context);    // purge CLASS.RVK
int cmdSort(const CliArgs& args, CliContext& context);     // sort CLASS.RVK --nach ORDNUNG
int cmdZeugnis(const CliArgs& args, CliContext& context);  // zeugnis CLASS.RVK --nr N -o FILE.pdf
int cmdPdf(const CliArgs& args, CliContext& context);      // pdf CLASS.RVK -o FILE.pdf [--ab N | --nur N]
int cmdStatistik(const CliArgs& args, CliContext& context); // statistik CLASS.RVK [--fach F] [--klasse K]
int cmdFdbExport(const CliArgs& args, CliContext& context); // fdb-export CLASS.RVK -o FOLDER [...]
int cmdFdbImport(const CliArgs& args, CliContext& context); // fdb-import CLASS.RVK LIST.FDB [--wahlpflicht H]
int cmdImportSchueler(const CliArgs& args, CliContext& context); // import-schueler CLASS.RVK FILE.TXT
int cmdImportNoten(const CliArgs& args, CliContext& context);    // import-noten CLASS.RVK FILE.TXT
int cmdVerschluesseln(const CliArgs& args, CliContext& context); // verschluesseln KLASSE.RVK -o K.rvkx
int cmdEntschluesseln(const CliArgs& args, CliContext& context); // entschluesseln K.rvkx -o KLASSE.RVK
int cmdPruefen(const CliArgs& args, CliContext& context);        // pruefen CLASS.RVK
int cmdFormular(const CliArgs& args, CliContext& context);       // formular zeigen|setzen|verschieben FILE.FST ...
int cmdKalibrierblatt(const CliArgs& args, CliContext& context); // kalibrierblatt -o FILE.pdf
