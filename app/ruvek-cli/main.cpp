// ruvek-cli: the command-line companion of Ruvek for administrators.
#include "Commands.h"

#include <cstring>
#include <iostream>

namespace {
struct Command {
    const char* name;
    int (*run)(const CliArgs&);
    const char* usage;
};

constexpr Command kCommands[] = {
    {"show", cmdShow, "show KLASSE.RVK                 Klassendatei als JSON ausgeben"},
    {"resave", cmdResave, "resave ALT.RVK NEU.RVK          Klassendatei lesen und als Version 2 speichern"},
    {"annex", cmdAnnex, "annex KLASSE.RVK [--schultyp N] Anlage (Zeugnisformular) je Schüler ausgeben"},
    {"testpage", cmdTestpage, "testpage -o DATEI.pdf           Drucker-Testblatt als PDF erzeugen"},
};

void usage()
{
    std::cerr << "Aufruf: ruvek-cli BEFEHL [ARGUMENTE]\n\nBefehle:\n";
    for (const auto& c : kCommands)
        std::cerr << "  " << c.usage << '\n';
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        usage();
        return 2;
    }
    for (const auto& c : kCommands) {
        if (std::strcmp(argv[1], c.name) == 0)
            return c.run(CliArgs(argv + 2, argv + argc));
    }
    std::cerr << "Unbekannter Befehl: " << argv[1] << "\n\n";
    usage();
    return 2;
}
