// ruvek-cli and the class lock, from outside as a script sees it: a class
// open in another program is refused with exit code 3 and the holder named,
// nothing written; --warten waits for it; two commands changing one class
// at the same time never lose a change.
#include "support/CliRunner.h"

#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using ruvek::test::run;
using ruvek::test::shellQuoted;

namespace {

std::string bytesOf(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class LockCli : public testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("ruvek-lock-cli-" + std::to_string(std::random_device{}()));
        fs::create_directories(dir);
        file = dir / "7a.RVK";
        fs::copy_file(fs::path(RUVEK_SOURCE_DIR) / "data/examples/Beispielklasse.RVK", file);
    }
    void TearDown() override { fs::remove_all(dir); }

    // The lock another teacher's program on another computer holds.
    void lockElsewhere()
    {
        std::ofstream(dir / "7a.RVK.$LK") << "Ruvek-Sperre\nRechner=sekretariat\nBenutzer=frau.m\nProzess=4711\n"
                                             "Zeit=10.12.2026 08:00:00\nSekunden="
                                          << std::time(nullptr) << "\n";
    }
    ruvek::test::Output cli(const std::string& args) { return run(shellQuoted(RUVEK_CLI) + " " + args); }

    fs::path dir, file;
};

TEST_F(LockCli, AClassOpenElsewhereIsRefusedWithCode3AndNothingWritten)
{
    lockElsewhere();
    const std::string before = bytesOf(file);
    for (const char* command : {"set", "delete", "add", "purge", "sort"}) {
        SCOPED_TRACE(command);
        std::string args = shellQuoted(file);
        if (std::string(command) == "set")
            args += " --nr 2 Vorname=Neu";
        else if (std::string(command) == "delete")
            args += " --nr 2";
        else if (std::string(command) == "add")
            args += " --name Neu";
        else if (std::string(command) == "sort")
            args += " --nach namen";
        const auto out = cli(std::string(command) + " " + args);
        EXPECT_EQ(out.exitCode, 3) << out.text;
        EXPECT_NE(out.text.find("sekretariat"), std::string::npos) << out.text;
        EXPECT_NE(out.text.find("frau.m"), std::string::npos) << out.text;
    }
    EXPECT_EQ(bytesOf(file), before);
    EXPECT_FALSE(fs::exists(dir / "7a.$KL"));
    EXPECT_FALSE(fs::exists(dir / "Sicherungen"));
    // Reading is not writing: the class can still be checked and shown.
    EXPECT_NE(cli("pruefen " + shellQuoted(file)).exitCode, 3);
    EXPECT_EQ(cli("show " + shellQuoted(file) + " >/dev/null").exitCode, 0);
}

TEST_F(LockCli, WartenWaitsUntilTheClassIsFree)
{
    lockElsewhere();
    const auto out = run("(sleep 1; rm -f " + shellQuoted(dir / "7a.RVK.$LK") + ") & " + shellQuoted(RUVEK_CLI) +
                         " set " + shellQuoted(file) + " --nr 2 Vorname=Gewartet --warten 20");
    EXPECT_EQ(out.exitCode, 0) << out.text;
    EXPECT_NE(cli("show " + shellQuoted(file)).text.find("\"Vorname\": \"Gewartet\""), std::string::npos);
    EXPECT_EQ(cli("set " + shellQuoted(file) + " --nr 2 Vorname=X --warten zehn").exitCode, 2);
}

// Pairs of commands on different students at the same time: each either
// applied its change or was refused with a non-zero code; none is lost.
TEST_F(LockCli, ConcurrentWritersNeverLoseAChange)
{
    for (int pair = 0; pair < 10; ++pair) {
        const std::string a = "A" + std::to_string(pair), b = "B" + std::to_string(pair);
        const std::string set = shellQuoted(RUVEK_CLI) + " set " + shellQuoted(file);
        const auto out = run("(" + set + " --nr 3 Vorname=" + a + " >/dev/null 2>&1; echo a=$?) & (" + set +
                             " --nr 9 Vorname=" + b + " >/dev/null 2>&1; echo b=$?) & wait");
        const std::string shown = cli("show " + shellQuoted(file)).text;
        for (const auto& [who, value] : {std::pair{"a=", a}, std::pair{"b=", b}}) {
            const bool applied = out.text.find(std::string(who) + "0") != std::string::npos;
            const bool present = shown.find("\"Vorname\": \"" + value + "\"") != std::string::npos;
            EXPECT_EQ(applied, present) << "pair " << pair << ": " << out.text;
        }
    }
}

} // namespace
