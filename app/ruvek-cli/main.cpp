// ruvek-cli: the command-line companion of Ruvek for administrators.
#include "Commands.h"

#include <charconv>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <system_error>

namespace {
struct Command {
    const char* name;
    int (*run)(const CliArgs&, CliContext&);
    const char* usage;
};

constexpr Command kCommands[] = {
    {"show", cmdShow, "show KLASSE.RVK                 Klassendatei als JSON ausgeben"},
    {"resave", cmdResave, "resave ALT.RVK NEU.RVK          Klassendatei lesen und als Version 2 speichern"},
    {"annex", cmdAnnex, "annex KLASSE.RVK [--schultyp N] Anlage (Zeugnisformular) je Schüler ausgeben"},
    {"form", cmdForm, "form KLASSE.RVK --nr N          Datenblatt des Schülers Nr. N als JSON ausgeben"},
    {"set", cmdSet, "set KLASSE.RVK --nr N Feld=Wert  Felder wie im Datenblatt ändern und speichern"},
    {"testpage", cmdTestpage, "testpage -o DATEI.pdf           Drucker-Testblatt als PDF erzeugen"},
    {"kalibrierblatt", cmdKalibrierblatt, "kalibrierblatt -o DATEI.pdf     Kalibrierblatt (Kreuze, Lineale) als PDF erzeugen"},
    {"formular", cmdFormular, "formular zeigen DATEI.FST       Felder einer Formular-Steuerdatei als Tabelle\n"
                              "    formular setzen DATEI.FST FELD X=… Y=… Ausrichtung=… Schrift=… Seite=… Sichtbar=0|1\n"
                              "    formular verschieben DATEI.FST --seite 1|2 --dx N --dy N  alle Positionen einer Seite\n"
                              "    verschieben (1/10 mm); Änderungen behalten die bisherige Fassung in \"Sicherungen\""},
    {"add", cmdAdd, "add KLASSE.RVK --name N [--vorname V] [--hinter NR]  Schüler hinzufügen"},
    {"delete", cmdDelete, "delete KLASSE.RVK --nr NR       Schüler als gelöscht markieren"},
    {"purge", cmdPurge, "purge KLASSE.RVK                gelöschte Schüler endgültig entfernen"},
    {"sort", cmdSort, "sort KLASSE.RVK --nach ORDNUNG  Schüler sortieren (namen, namen-ab, schluessel,\n"
                      "                                    schluessel-ab, klasse, klasse-ab, maedchen, jungen)"},
    {"zeugnis", cmdZeugnis, "zeugnis KLASSE.RVK --nr N -o DATEI.pdf  Zeugnis eines Schülers als PDF erzeugen"},
    {"pdf", cmdPdf, "pdf KLASSE.RVK|ORDNER... -o DATEI.pdf|ORDNER/ [--ab N | --nur N] [--empfangsbekenntnisse |\n"
                    "    --lernentwicklungsberichte | --datenblaetter]  Zeugnisse (Empfangsbekenntnisse, Berichte,\n"
                    "    Schüler-Datenblätter) der Klasse wie im Serienausdruck als eine PDF-Datei\n"
                    "    (mehrere Klassen: eine PDF-Datei für alle, oder mit ORDNER/ eine je Klasse)"},
    {"statistik", cmdStatistik, "statistik KLASSE.RVK|ORDNER... [--fach F] [--klasse K]  Notenverteilung mit Anteilen und\n"
                                "    Durchschnitt (mehrere Klassen: je Klasse und alle zusammen)"},
    {"fdb-export", cmdFdbExport, "fdb-export KLASSE.RVK|ORDNER... -o ORDNER [--fach KURZ]... [--wahlpflicht 1|2]\n"
                                 "    [--alte-liste-loeschen] [--alte-eintraege-behalten]  Fachzensuren-Listen schreiben\n"
                                 "    (mehrere Klassen oder Ordner in einem Lauf)"},
    {"fdb-import", cmdFdbImport, "fdb-import KLASSE.RVK LISTE.FDB [--wahlpflicht 1|2]  Fachzensuren-Liste übernehmen"},
    {"import-schueler", cmdImportSchueler, "import-schueler KLASSE.RVK DATEI.TXT  Schüler aus einer Textdatei anfügen"},
    {"import-noten", cmdImportNoten, "import-noten KLASSE.RVK DATEI.TXT  Bewertungen aus einer Textdatei eintragen"},
    {"pruefen", cmdPruefen, "pruefen KLASSE.RVK|ORDNER...   Zeugnisdaten auf Vollständigkeit prüfen (Exit-Code 1 bei Beanstandungen);\n"
                            "    mehrere Klassen oder Ordner: je Klasse ihre Beanstandungen, dann die Summe"},
    {"verschluesseln", cmdVerschluesseln,
     "verschluesseln KLASSE.RVK -o K.rvkx [--mit-versionen] [--passwort-datei DATEI]\n"
     "    Klasse (mit den älteren Fassungen) mit Kennwort verschlüsseln; das Kennwort wird ohne Anzeige\n"
     "    zweimal eingetippt oder aus der ersten Zeile der Kennwort-Datei gelesen"},
    {"entschluesseln", cmdEntschluesseln,
     "entschluesseln K.rvkx -o KLASSE.RVK|ORDNER [--passwort-datei DATEI] | --liste\n"
     "    verschlüsselte Klasse (oder Datensicherung: in einen Ordner) entschlüsseln oder ihren Inhalt\n"
     "    auflisten; falsches Kennwort oder veränderte Datei: Exit-Code 1, nichts geschrieben"},
};

void usage(std::ostream& out)
{
    out << "Aufruf: ruvek-cli BEFEHL [ARGUMENTE] [--warten SEKUNDEN]\n\nBefehle:\n";
    for (const auto& c : kCommands)
        out << "  " << c.usage << '\n';
    out << "\nBefehle, die eine Klasse ändern, nehmen sie für sich in Anspruch (wie das Programm beim Öffnen);\n"
           "ist sie an einem anderen Arbeitsplatz geöffnet, wird sie nicht geändert (Exit-Code 3).\n"
           "  --warten SEKUNDEN              so lange darauf warten, dass die Klasse frei wird\n";
    out << '\n' << exitcode::kHelpText;
}

// Takes "--warten SEKUNDEN" (or "--warten=SEKUNDEN") out of the arguments.
// False after a message when its value is not a whole number of seconds.
bool takeLockWait(CliArgs& args, std::chrono::milliseconds& wait)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string value;
        std::size_t take = 0;
        if (args[i] == "--warten" && i + 1 < args.size()) {
            value = args[i + 1];
            take = 2;
        } else if (args[i].starts_with("--warten=")) {
            value = args[i].substr(9);
            take = 1;
        } else if (args[i] == "--warten") {
            std::cerr << "Fehler: Der Option --warten fehlt ihr Wert (Sekunden).\n";
            return false;
        } else {
            continue;
        }
        int seconds = -1;
        const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), seconds);
        if (value.empty() || ec != std::errc() || end != value.data() + value.size() || seconds < 0 ||
            seconds > 24 * 60 * 60) {
            std::cerr << "Fehler: --warten erwartet eine Zahl von Sekunden (0 bis 86400): " << value << '\n';
            return false;
        }
        wait = std::chrono::seconds(seconds);
        args.erase(args.begin() + static_cast<std::ptrdiff_t>(i),
                   args.begin() + static_cast<std::ptrdiff_t>(i + take));
        --i;
    }
    return true;
}

// The program folder is the folder of this executable, as for the desktop
// program; the tool reads the installation there but never creates folders.
// An installed tool's launcher names the user's own program folder instead,
// the one the desktop program uses (RUVEK_PROGRAM_FOLDER).
std::filesystem::path programFolder()
{
    if (const char* folder = std::getenv("RUVEK_PROGRAM_FOLDER"); folder && *folder)
        return folder;
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::current_path(ec) : exe.parent_path();
}
} // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0 ||
                      std::strcmp(argv[1], "hilfe") == 0)) {
        usage(std::cout);
        return exitcode::kDone;
    }
    if (argc < 2) {
        usage(std::cerr);
        return exitcode::kUnreadable;
    }
    for (const auto& c : kCommands) {
        if (std::strcmp(argv[1], c.name) != 0)
            continue;
        CliContext context;
        CliArgs args(argv + 2, argv + argc);
        if (!takeLockWait(args, context.lockWait))
            return exitcode::kUnreadable;
        context.installation.load(ruvek::existingFolders(programFolder()), context.prompter);
        context.loadErrors = context.prompter.errorCount;
        return c.run(args, context);
    }
    std::cerr << "Unbekannter Befehl: " << argv[1] << "\n\n";
    usage(std::cerr);
    return exitcode::kUnreadable;
}
