// ruvek-cli verschluesseln / entschluesseln from outside: the example classes
// come back byte for byte, the container shows no student name, the
// password typed at a terminal is not echoed, and every refusal writes
// nothing.
#include "support/CliRunner.h"
#include "support/TempDir.h"

#include "common/ByteFields.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <pty.h>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using ruvek::test::run;
using ruvek::test::shellQuoted;
using ruvek::test::TempDir;

namespace {

using Bytes = std::vector<std::uint8_t>;

const std::string kPassword = "Kreide-Tafel-42";

Bytes readFile(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

void writeText(const fs::path& p, const std::string& text) { std::ofstream(p, std::ios::binary) << text; }

fs::path example(const char* name) { return fs::path(RUVEK_SOURCE_DIR) / "data" / "examples" / name; }

ruvek::test::Output cli(const std::string& args) { return run(std::string("'") + RUVEK_CLI + "' " + args); }

// Surnames and first names of every record (as stored, Windows-1252), from
// the documented layout: 92-byte header, 6044-byte records, Name at 20 and
// Vorname at 51 as length-prefixed strings. Only names of five letters or
// more: a shorter one ("Mia") turns up in random ciphertext of this size
// now and then by chance.
std::vector<std::string> studentNames(const Bytes& classFile)
{
    std::vector<std::string> names;
    for (std::size_t at = 92; at + 6044 <= classFile.size(); at += 6044)
        for (std::size_t field : {20u, 51u}) {
            const std::size_t length = std::min<std::size_t>(classFile[at + field], 30);
            std::string s(classFile.begin() + static_cast<long>(at + field + 1),
                          classFile.begin() + static_cast<long>(at + field + 1 + length));
            if (s.size() >= 5)
                names.push_back(s);
        }
    return names;
}

bool contains(const Bytes& haystack, const std::string& needle)
{
    return std::search(haystack.begin(), haystack.end(), needle.begin(), needle.end()) != haystack.end();
}

TEST(TransferCli, EveryExampleClassComesBackByteForByteAndTheContainerShowsNoName)
{
    TempDir dir("ruvek-crypt");
    writeText(dir / "kennwort.txt", kPassword + "\n");
    const bool haveStrings = ruvek::test::haveTool("strings");
    for (const char* name : {"Beispielklasse.RVK", "Klasse8b-Regionale.RVK", "Klasse10a-Gymnasium.RVK"}) {
        SCOPED_TRACE(name);
        const Bytes original = readFile(example(name));
        const fs::path container = dir / (std::string(name) + ".rvkx");
        const fs::path back = dir / (std::string("zurueck-") + name);
        const auto sealed = cli("verschluesseln " + shellQuoted(example(name)) + " -o " + shellQuoted(container) +
                                " --passwort-datei " + shellQuoted(dir / "kennwort.txt"));
        ASSERT_EQ(sealed.exitCode, 0) << sealed.text;
        const auto opened = cli("entschluesseln " + shellQuoted(container) + " -o " + shellQuoted(back) +
                                " --passwort-datei " + shellQuoted(dir / "kennwort.txt"));
        ASSERT_EQ(opened.exitCode, 0) << opened.text;
        EXPECT_TRUE(readFile(back) == original);

        const Bytes encrypted = readFile(container);
        const std::vector<std::string> names = studentNames(original);
        ASSERT_GE(names.size(), 10u);
        const std::string printable = haveStrings ? run("strings -n 3 " + shellQuoted(container)).text : "";
        for (const std::string& n : names) {
            EXPECT_FALSE(contains(encrypted, n)) << n;
            EXPECT_EQ(printable.find(n), std::string::npos) << n;
        }
        EXPECT_FALSE(contains(encrypted, "jvq Ruvek DB"));
    }
}

TEST(TransferCli, VersionsTravelAlongAndArriveUnderTheNewClassName)
{
    TempDir dir("ruvek-crypt");
    writeText(dir / "kennwort.txt", kPassword);
    fs::copy_file(example("Beispielklasse.RVK"), dir / "7a.RVK");
    fs::create_directories(dir / "Sicherungen");
    fs::copy_file(example("Klasse8b-Regionale.RVK"), dir / "Sicherungen" / "7a 2026-12-10 14-03-22.RVK");
    fs::create_directories(dir / "neu");

    const auto sealed = cli("verschluesseln " + shellQuoted(dir / "7a.RVK") + " -o " + shellQuoted(dir / "7a.rvkx") +
                            " --mit-versionen --passwort-datei " + shellQuoted(dir / "kennwort.txt"));
    ASSERT_EQ(sealed.exitCode, 0) << sealed.text;
    const auto listed =
        cli("entschluesseln " + shellQuoted(dir / "7a.rvkx") + " --liste --passwort-datei " + shellQuoted(dir / "kennwort.txt"));
    ASSERT_EQ(listed.exitCode, 0) << listed.text;
    EXPECT_NE(listed.text.find("7a.RVK"), std::string::npos) << listed.text;
    EXPECT_NE(listed.text.find("Sicherungen/7a 2026-12-10 14-03-22.RVK"), std::string::npos) << listed.text;

    const auto opened = cli("entschluesseln " + shellQuoted(dir / "7a.rvkx") + " -o " + shellQuoted(dir / "neu" / "7b.RVK") +
                            " --passwort-datei " + shellQuoted(dir / "kennwort.txt"));
    ASSERT_EQ(opened.exitCode, 0) << opened.text;
    EXPECT_TRUE(readFile(dir / "neu" / "7b.RVK") == readFile(dir / "7a.RVK"));
    EXPECT_TRUE(readFile(dir / "neu" / "Sicherungen" / "7b 2026-12-10 14-03-22.RVK") ==
                readFile(dir / "Sicherungen" / "7a 2026-12-10 14-03-22.RVK"));
}

// Every refusal: its exit code, its message, and nothing written or changed.
TEST(TransferCli, RefusalsWriteNothing)
{
    TempDir dir("ruvek-crypt");
    writeText(dir / "kennwort.txt", kPassword);
    writeText(dir / "falsch.txt", "Kreide-Tafel-43");
    writeText(dir / "kurz.txt", "123456789");
    writeText(dir / "vorhanden", "bleibt");
    writeText(dir / "text.RVK", "keine Klasse\n");
    fs::copy_file(example("Beispielklasse.RVK"), dir / "7a.RVK");
    const auto made = cli("verschluesseln " + shellQuoted(dir / "7a.RVK") + " -o " + shellQuoted(dir / "7a.rvkx") +
                          " --passwort-datei " + shellQuoted(dir / "kennwort.txt"));
    ASSERT_EQ(made.exitCode, 0) << made.text;
    const Bytes container = readFile(dir / "7a.rvkx");
    Bytes cut(container.begin(), container.begin() + static_cast<long>(container.size() / 2));
    std::ofstream(dir / "halb.rvkx", std::ios::binary).write(reinterpret_cast<const char*>(cut.data()), static_cast<long>(cut.size()));
    Bytes newer = container;
    newer[8] = 2;
    std::ofstream(dir / "neuer.rvkx", std::ios::binary)
        .write(reinterpret_cast<const char*>(newer.data()), static_cast<long>(newer.size()));

    struct Case {
        const char* what;
        std::string args;
        int exitCode;
        const char* message;
    };
    const std::string pw = " --passwort-datei " + shellQuoted(dir / "kennwort.txt");
    const Case cases[] = {
        {"wrong password", "entschluesseln " + shellQuoted(dir / "7a.rvkx") + " -o " + shellQuoted(dir / "out.RVK") +
                               " --passwort-datei " + shellQuoted(dir / "falsch.txt"),
         1, "Das Kennwort ist falsch oder die Datei ist beschädigt."},
        {"existing output (decrypt)", "entschluesseln " + shellQuoted(dir / "7a.rvkx") + " -o " + shellQuoted(dir / "vorhanden") + pw,
         1, "wird nicht überschrieben"},
        {"existing output (encrypt)", "verschluesseln " + shellQuoted(dir / "7a.RVK") + " -o " + shellQuoted(dir / "vorhanden") + pw,
         1, "wird nicht überschrieben"},
        {"password too short", "verschluesseln " + shellQuoted(dir / "7a.RVK") + " -o " + shellQuoted(dir / "out.rvkx") +
                                   " --passwort-datei " + shellQuoted(dir / "kurz.txt"),
         1, "mindestens 10 Zeichen"},
        {"container cut short", "entschluesseln " + shellQuoted(dir / "halb.rvkx") + " -o " + shellQuoted(dir / "out.RVK") + pw,
         2, "unvollständig oder beschädigt"},
        {"newer format", "entschluesseln " + shellQuoted(dir / "neuer.rvkx") + " -o " + shellQuoted(dir / "out.RVK") + pw,
         2, "neueren Version von Ruvek"},
        {"not a class file", "verschluesseln " + shellQuoted(dir / "text.RVK") + " -o " + shellQuoted(dir / "out.rvkx") + pw,
         2, "nicht das erwartete Format"},
        {"class file is no container", "entschluesseln " + shellQuoted(dir / "7a.RVK") + " -o " + shellQuoted(dir / "out.RVK") + pw,
         2, "keine verschlüsselte Ruvek-Datei"},
        {"missing password file", "entschluesseln " + shellQuoted(dir / "7a.rvkx") + " -o " + shellQuoted(dir / "out.RVK") +
                                      " --passwort-datei " + shellQuoted(dir / "fehlt.txt"),
         2, "fehlt.txt"},
        {"no output named", "entschluesseln " + shellQuoted(dir / "7a.rvkx") + pw, 2, "-o"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto r = cli(c.args);
        EXPECT_EQ(r.exitCode, c.exitCode) << r.text;
        EXPECT_NE(r.text.find(c.message), std::string::npos) << r.text;
        EXPECT_FALSE(fs::exists(dir / "out.RVK"));
        EXPECT_FALSE(fs::exists(dir / "out.rvkx"));
        EXPECT_TRUE(readFile(dir / "vorhanden") == Bytes({'b', 'l', 'e', 'i', 'b', 't'}));
        EXPECT_TRUE(readFile(dir / "7a.rvkx") == container);
    }
    // Without a terminal and without a password file there is nobody to ask.
    if (ruvek::test::haveTool("setsid")) {
        const auto r = run("setsid -w '" + std::string(RUVEK_CLI) + "' entschluesseln " + shellQuoted(dir / "7a.rvkx") +
                           " -o " + shellQuoted(dir / "out.RVK") + " </dev/null");
        EXPECT_EQ(r.exitCode, 2) << r.text;
        EXPECT_NE(r.text.find("--passwort-datei"), std::string::npos) << r.text;
        EXPECT_FALSE(fs::exists(dir / "out.RVK"));
    }
}

// Runs the tool on a pseudo terminal, typing `lines` one after the other,
// each once its prompt `prompts[i]` has appeared. Returns everything the
// terminal showed and the exit code.
struct TerminalRun {
    std::string shown;
    int exitCode = -1;
};

TerminalRun runOnTerminal(const std::vector<std::string>& args, const std::vector<std::string>& prompts,
                          const std::vector<std::string>& lines)
{
    TerminalRun out;
    int master = -1;
    const pid_t pid = forkpty(&master, nullptr, nullptr, nullptr);
    if (pid == 0) {
        std::vector<char*> argv;
        argv.push_back(const_cast<char*>(RUVEK_CLI));
        for (const std::string& a : args)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        ::execv(RUVEK_CLI, argv.data());
        ::_exit(127);
    }
    std::size_t next = 0;
    char buf[512];
    for (;;) {
        pollfd p{master, POLLIN, 0};
        if (::poll(&p, 1, 60000) <= 0)
            break;
        const ssize_t n = ::read(master, buf, sizeof buf);
        if (n <= 0)
            break;
        out.shown.append(buf, static_cast<std::size_t>(n));
        if (next < lines.size() && out.shown.find(prompts[next]) != std::string::npos) {
            const std::string line = lines[next] + "\n";
            (void)!::write(master, line.data(), line.size());
            ++next;
        }
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    ::close(master);
    out.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return out;
}

TEST(TransferCli, PasswordTypedTwiceAtTheTerminalIsNotShown)
{
    TempDir dir("ruvek-crypt");
    fs::copy_file(example("Beispielklasse.RVK"), dir / "7a.RVK");
    const TerminalRun typed = runOnTerminal({"verschluesseln", (dir / "7a.RVK").string(), "-o", (dir / "7a.rvkx").string()},
                                            {"Kennwort: ", "wiederholen: "}, {kPassword, kPassword});
    EXPECT_EQ(typed.exitCode, 0) << typed.shown;
    EXPECT_EQ(typed.shown.find(kPassword), std::string::npos) << typed.shown;
    EXPECT_NE(typed.shown.find("Kennwort wiederholen: "), std::string::npos) << typed.shown;

    // Typed differently the second time: refused, nothing written.
    const TerminalRun mismatch = runOnTerminal({"verschluesseln", (dir / "7a.RVK").string(), "-o", (dir / "b.rvkx").string()},
                                               {"Kennwort: ", "wiederholen: "}, {kPassword, kPassword + "x"});
    EXPECT_EQ(mismatch.exitCode, 1) << mismatch.shown;
    EXPECT_FALSE(fs::exists(dir / "b.rvkx"));

    // Opened with the password typed once.
    const TerminalRun opened = runOnTerminal({"entschluesseln", (dir / "7a.rvkx").string(), "-o", (dir / "neu.RVK").string()},
                                             {"Kennwort: "}, {kPassword});
    EXPECT_EQ(opened.exitCode, 0) << opened.shown;
    EXPECT_EQ(opened.shown.find(kPassword), std::string::npos) << opened.shown;
    EXPECT_TRUE(readFile(dir / "neu.RVK") == readFile(dir / "7a.RVK"));
}

} // namespace
