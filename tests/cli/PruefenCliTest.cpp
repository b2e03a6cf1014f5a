// ruvek-cli pruefen from outside: the findings of an example class, one a
// line, and the exit codes an office script relies on.
#include "cli/ShellCommand.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

namespace fs = std::filesystem;
using ruvek::test::run;
using ruvek::test::shellQuoted;

namespace {

const fs::path kExample = fs::path(RUVEK_SOURCE_DIR) / "data/examples/Klasse8b-Regionale.RVK";

std::string pruefen(const std::string& argument)
{
    std::string command = RUVEK_CLI;
    command += " pruefen";
    if (!argument.empty())
        command += " " + argument;
    return command;
}

TEST(PruefenCli, CompleteClassExitsZero)
{
    // Opening writes a backup copy beside the class file: check a copy.
    const fs::path dir = fs::temp_directory_path() / ("ruvek-pruefen-" + std::to_string(std::random_device{}()));
    fs::create_directories(dir);
    fs::copy_file(kExample, dir / "8b.RVK");
    const auto out = run(pruefen(shellQuoted(dir / "8b.RVK")));
    EXPECT_EQ(out.exitCode, 0) << out.text;
    EXPECT_EQ(out.text, "Keine Beanstandungen.\n");
    fs::remove_all(dir);
}

TEST(PruefenCli, FindingsArePrintedOneALineAndExitOne)
{
    const fs::path dir = fs::temp_directory_path() / ("ruvek-pruefen-" + std::to_string(std::random_device{}()));
    fs::create_directories(dir);
    const fs::path file = dir / "8b.RVK";
    fs::copy_file(kExample, file);
    const std::string cli = RUVEK_CLI;
    ASSERT_EQ(run(cli + " set " + shellQuoted(file) + " --nr 3 --schultyp 2 KlLehrer=").exitCode, 0);
    ASSERT_EQ(run(cli + " set " + shellQuoted(file) + " --nr 5 --schultyp 2 ZgnOrt=").exitCode, 0);

    const auto out = run(pruefen(shellQuoted(file)));
    EXPECT_EQ(out.exitCode, 1) << out.text;
    EXPECT_EQ(out.text, "3\tMarlene Claußen\tZeugnis-Kopf\tKlassenlehrer\tKlassenlehrer fehlt\n"
                        "5\tSophie Ewert\tZeugnis-Fuß\tZeugnisort\tZeugnisort fehlt\n"
                        "2 Beanstandungen.\n");
    fs::remove_all(dir);
}

TEST(PruefenCli, ClassThatCannotBeReadExitsTwo)
{
    EXPECT_EQ(run(pruefen("/nonexistent/KEINE.RVK")).exitCode, 2);
    EXPECT_EQ(run(pruefen("")).exitCode, 2);
}

} // namespace
