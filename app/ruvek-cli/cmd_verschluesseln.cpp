// verschluesseln KLASSE.RVK -o K.rvkx [--mit-versionen] [--passwort-datei F]
// entschluesseln K.rvkx -o KLASSE.RVK|ORDNER [--passwort-datei F] | --liste
//
// The encrypted transfer file from the command line. The password is typed
// at the terminal without echo (twice when encrypting) or read from the
// first line of a file for scripts. An existing output is never replaced,
// and nothing is written unless the whole container is intact.
#include "ClassFileCommands.h"
#include "CliText.h"
#include "Commands.h"

#include "classfile/VersionBackups.h"
#include "common/InputFile.h"
#include "common/SafeFile.h"
#include "transfer/ClassTransfer.h"
#include "transfer/EncryptedBackup.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <iostream>

namespace fs = std::filesystem;

namespace {

constexpr const char* kEncryptUsage =
    "Aufruf: ruvek-cli verschluesseln KLASSE.RVK -o DATEI.rvkx [--mit-versionen] [--passwort-datei DATEI]\n";
constexpr const char* kDecryptUsage =
    "Aufruf: ruvek-cli entschluesseln DATEI.rvkx -o KLASSE.RVK [--passwort-datei DATEI]\n"
    "        ruvek-cli entschluesseln SICHERUNG.rvkx -o ORDNER [--passwort-datei DATEI]\n"
    "        ruvek-cli entschluesseln DATEI.rvkx --liste [--passwort-datei DATEI]\n";

struct Options {
    std::optional<std::string> input;
    std::optional<std::string> output;
    std::optional<std::string> passwordFile;
    bool withVersions = false;
    bool list = false;
};

// Reads the arguments; nullopt when well formed, else the exit code.
std::optional<int> parseOptions(const CliArgs& args, bool encrypting, Options& o)
{
    const char* usage = encrypting ? kEncryptUsage : kDecryptUsage;
    for (std::size_t i = 0; i < args.size(); ++i) {
        bool ok = true;
        if (auto v = optionValue(args, i, "-o", ok))
            o.output = v;
        else if (ok && (v = optionValue(args, i, "--passwort-datei", ok)))
            o.passwordFile = v;
        else if (!ok)
            return badArguments("Der Option " + args[i] + " fehlt ihr Wert.", usage);
        else if (encrypting && args[i] == "--mit-versionen")
            o.withVersions = true;
        else if (!encrypting && args[i] == "--liste")
            o.list = true;
        else if (!o.input && !args[i].starts_with("-"))
            o.input = args[i];
        else
            return badArguments("Unbekanntes Argument: " + args[i], usage);
    }
    if (!o.input)
        return badArguments(encrypting ? "Die Klassendatei fehlt." : "Die verschlüsselte Datei fehlt.", usage);
    if (!o.output && !o.list)
        return badArguments("Die Ausgabe fehlt (-o).", usage);
    return std::nullopt;
}

// One line typed at the terminal without echo.
std::optional<std::string> readHidden(int tty, const char* prompt)
{
    // Echo goes off before the prompt appears, so nothing typed after it
    // is ever shown.
    termios old{};
    const bool isTerminal = ::tcgetattr(tty, &old) == 0;
    if (isTerminal) {
        termios quiet = old;
        quiet.c_lflag &= static_cast<tcflag_t>(~(ECHO | ECHONL));
        quiet.c_lflag |= ICANON;
        ::tcsetattr(tty, TCSANOW, &quiet);
    }
    (void)!::write(tty, prompt, std::char_traits<char>::length(prompt));
    std::string line;
    char c = 0;
    bool ended = false;
    while (::read(tty, &c, 1) == 1) {
        if (c == '\n') {
            ended = true;
            break;
        }
        line += c;
    }
    if (isTerminal)
        ::tcsetattr(tty, TCSANOW, &old);
    (void)!::write(tty, "\n", 1);
    if (!ended && line.empty())
        return std::nullopt;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line;
}

// The password from the file's first line, or typed at the terminal (twice
// when `twice`). nullopt after the message; `exit` then holds the exit code.
std::optional<std::string> readPassword(const Options& o, bool twice, int& exit)
{
    if (o.passwordFile) {
        ruvek::InputFile f = ruvek::readInputFile(*o.passwordFile, 64 * 1024);
        if (!f) {
            std::cerr << "Fehler: " << escapeControls(f.message) << '\n';
            exit = exitcode::kUnreadable;
            return std::nullopt;
        }
        std::string text(f.bytes.begin(), f.bytes.end());
        text = text.substr(0, text.find('\n'));
        if (!text.empty() && text.back() == '\r')
            text.pop_back();
        std::fill(f.bytes.begin(), f.bytes.end(), std::uint8_t{0});
        return text;
    }
    const int tty = ::open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (tty < 0) {
        std::cerr << "Fehler: Kein Terminal für die Eingabe des Kennworts. "
                     "Verwenden Sie --passwort-datei DATEI.\n";
        exit = exitcode::kUnreadable;
        return std::nullopt;
    }
    std::optional<std::string> first = readHidden(tty, "Kennwort: ");
    if (first && twice) {
        const std::optional<std::string> second = readHidden(tty, "Kennwort wiederholen: ");
        if (!second || *second != *first) {
            ::close(tty);
            std::cerr << "Fehler: Die beiden Eingaben des Kennworts stimmen nicht überein. Nichts geschrieben.\n";
            exit = exitcode::kRefused;
            return std::nullopt;
        }
    }
    ::close(tty);
    if (!first) {
        std::cerr << "Fehler: Kein Kennwort eingegeben. Nichts geschrieben.\n";
        exit = exitcode::kRefused;
    }
    return first;
}

bool refuseExisting(const fs::path& path)
{
    std::error_code ec;
    if (!fs::exists(path, ec) && !fs::is_symlink(path, ec))
        return false;
    std::cerr << "Fehler: " << escapeControls(path.string())
              << " ist bereits vorhanden und wird nicht überschrieben. Nichts geschrieben.\n";
    return true;
}

bool write(const fs::path& path, ruvek::ConstBytes bytes)
{
    std::string reason;
    if (ruvek::writeFileSafely(path, bytes, &reason))
        return true;
    std::cerr << "Fehler beim Speichern von " << escapeControls(path.string()) << ": " << escapeControls(reason)
              << '\n';
    return false;
}

} // namespace

int cmdVerschluesseln(const CliArgs& args, CliContext&)
{
    Options o;
    if (const auto bad = parseOptions(args, true, o))
        return *bad;
    const fs::path output = *o.output;
    if (refuseExisting(output))
        return exitcode::kRefused;
    ruvek::TransferFiles files = ruvek::classTransferFiles(*o.input, o.withVersions);
    if (!files.error.empty()) {
        std::cerr << "Fehler: " << escapeControls(files.error) << '\n';
        return files.unreadable ? exitcode::kUnreadable : exitcode::kRefused;
    }
    int exit = exitcode::kDone;
    const std::optional<std::string> password = readPassword(o, !o.passwordFile, exit);
    if (!password)
        return exit;
    if (const std::string reason = ruvek::passwordRuleViolation(*password); !reason.empty()) {
        std::cerr << "Fehler: " << reason << " Nichts geschrieben.\n";
        return exitcode::kRefused;
    }
    const ruvek::SealOutcome sealed = ruvek::sealContainer(ruvek::ContainerKind::Class, files.files, *password);
    if (!sealed) {
        std::cerr << "Fehler: " << escapeControls(sealed.error) << '\n';
        return exitcode::kRefused;
    }
    if (refuseExisting(output) || !write(output, sealed.bytes))
        return exitcode::kRefused;
    std::cout << "Verschlüsselt: " << escapeControls(output.string()) << " (Klasse "
              << escapeControls(files.files.front().name);
    if (files.versions > 0)
        std::cout << ", " << files.versions << " ältere Fassungen";
    std::cout << ")\n";
    return exitcode::kDone;
}

int cmdEntschluesseln(const CliArgs& args, CliContext& context)
{
    Options o;
    if (const auto bad = parseOptions(args, false, o))
        return *bad;
    ruvek::InputFile input = ruvek::readInputFile(*o.input, ruvek::kContainerLimit);
    if (!input) {
        std::cerr << "Fehler: " << escapeControls(input.message) << '\n';
        return exitcode::kUnreadable;
    }
    if (const ruvek::ContainerRead head = ruvek::readContainerHeader(input.bytes); !head) {
        std::cerr << "Fehler: " << escapeControls(*o.input) << ": " << head.message() << '\n';
        return exitcode::kUnreadable;
    }
    int exit = exitcode::kDone;
    const std::optional<std::string> password = readPassword(o, false, exit);
    if (!password)
        return exit;
    const ruvek::ContainerRead opened = ruvek::openContainer(input.bytes, *password);
    if (!opened) {
        std::cerr << "Fehler: " << opened.message() << " Nichts geschrieben.\n";
        return opened.error == ruvek::ContainerError::WrongPassword ? exitcode::kRefused : exitcode::kUnreadable;
    }
    const bool backup = opened.header.kind == ruvek::ContainerKind::Backup;

    if (o.list) {
        std::cout << (backup ? "Datensicherung" : "Klasse") << ", " << opened.files.size()
                  << (opened.files.size() == 1 ? " Datei:\n" : " Dateien:\n");
        for (const ruvek::ContainerFile& f : opened.files)
            std::cout << "  " << escapeControls(ruvek::restoreListLine(f)) << '\n';
        return exitcode::kDone;
    }

    const fs::path output = *o.output;
    if (backup) {
        // A backup goes into a folder; no file there is replaced.
        std::error_code ec;
        if (fs::exists(output, ec) && !fs::is_directory(output, ec)) {
            std::cerr << "Fehler: " << escapeControls(output.string()) << " ist kein Ordner. Nichts geschrieben.\n";
            return exitcode::kRefused;
        }
        bool clash = false;
        for (const ruvek::ContainerFile& f : opened.files)
            clash = refuseExisting(output / fs::path(f.name)) || clash;
        if (clash)
            return exitcode::kRefused;
        fs::create_directories(output, ec);
        const ruvek::RestoreResult r = ruvek::restoreFiles(opened.files, output, context.prompter);
        if (!r.failed.empty()) {
            std::cerr << "Fehler: " << r.failed.size() << " Dateien konnten nicht geschrieben werden.\n";
            return exitcode::kRefused;
        }
        std::cout << "Entschlüsselt: " << r.restored.size() << " Dateien nach " << escapeControls(output.string())
                  << '\n';
        return exitcode::kDone;
    }

    // A class: its file exactly as it was sent, and its versions (renamed
    // for the new class name) into "Sicherungen" beside it.
    std::string error;
    const std::optional<ruvek::TransferredClass> klass = ruvek::classOfContainer(opened, error);
    if (!klass) {
        std::cerr << "Fehler: " << escapeControls(error) << " Nichts geschrieben.\n";
        return exitcode::kUnreadable;
    }
    std::vector<std::pair<fs::path, const ruvek::ContainerFile*>> targets;
    const std::string oldStem = ruvek::classStemOf(opened.files.front().name);
    const std::string newStem = ruvek::classStemOf(output);
    for (std::size_t i = 1; i < opened.files.size(); ++i) {
        const ruvek::ContainerFile& f = opened.files[i];
        const std::string name = fs::path(f.name).filename().string();
        const auto key = ruvek::parseVersionName(name, oldStem);
        const std::string renamed = key ? ruvek::versionName(newStem, key->stamp, key->sequence) : name;
        targets.emplace_back(ruvek::versionFolderFor(output) / renamed, &f);
    }
    bool clash = refuseExisting(output);
    for (const auto& [path, file] : targets)
        clash = refuseExisting(path) || clash;
    if (clash)
        return exitcode::kRefused;
    if (!write(output, klass->bytes))
        return exitcode::kRefused;
    std::error_code ec;
    if (!targets.empty())
        fs::create_directories(ruvek::versionFolderFor(output), ec);
    for (const auto& [path, file] : targets)
        if (!write(path, file->bytes))
            return exitcode::kRefused;
    std::cout << "Entschlüsselt: " << escapeControls(output.string()) << " (" << klass->content.records.size()
              << " Datensätze";
    if (!targets.empty())
        std::cout << ", " << targets.size() << " ältere Fassungen in " << ruvek::kVersionFolderName;
    std::cout << ")\n";
    return exitcode::kDone;
}
