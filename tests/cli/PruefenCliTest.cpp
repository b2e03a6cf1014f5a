// ruvek-cli pruefen from outside: the findings of an example class, one a
// line, and the exit codes an office script relies on.
#include "support/CliRunner.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
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

// The office checks all classes in one run: files and folders, one block a
// class, a damaged file reported in its place without stopping the rest,
// and the worst exit code.
TEST(PruefenCli, SeveralClassesAndFoldersInOneRun)
{
    const fs::path dir = fs::temp_directory_path() / ("ruvek-pruefen-" + std::to_string(std::random_device{}()));
    fs::create_directories(dir / "Klassen");
    fs::copy_file(kExample, dir / "Klassen" / "8b.RVK");
    fs::copy_file(kExample, dir / "Klassen" / "8c.rvk");
    const std::string cli = RUVEK_CLI;
    ASSERT_EQ(run(cli + " set " + shellQuoted(dir / "Klassen" / "8c.rvk") + " --nr 5 --schultyp 2 ZgnOrt=").exitCode, 0);
    fs::remove_all(dir / "Klassen" / "Sicherungen");

    const std::string folder = (dir / "Klassen").string();
    auto out = run(pruefen(shellQuoted(dir / "Klassen")));
    EXPECT_EQ(out.exitCode, 1) << out.text;
    EXPECT_EQ(out.text, "== " + folder + "/8b.RVK\n" + folder + "/8b.RVK: Keine Beanstandungen.\n"
                        "== " + folder + "/8c.rvk\n5\tSophie Ewert\tZeugnis-Fuß\tZeugnisort\tZeugnisort fehlt\n" +
                        folder + "/8c.rvk: 1 Beanstandung.\nGesamt: 2 Klassen, 1 Beanstandung.\n");

    std::ofstream(dir / "kaputt.RVK") << "keine Klassendatei";
    out = run(pruefen(shellQuoted(dir / "kaputt.RVK") + " " + shellQuoted(dir / "Klassen" / "8b.RVK")));
    EXPECT_EQ(out.exitCode, 2) << out.text;
    EXPECT_NE(out.text.find("8b.RVK: Keine Beanstandungen."), std::string::npos) << out.text;
    EXPECT_NE(out.text.find("Gesamt: 2 Klassen, keine Beanstandungen. 1 Klasse konnte nicht geprüft werden."),
              std::string::npos) << out.text;

    fs::create_directories(dir / "leer");
    EXPECT_EQ(run(pruefen(shellQuoted(dir / "leer"))).exitCode, 2);
    fs::remove_all(dir);
}

TEST(PruefenCli, ClassThatCannotBeReadExitsTwo)
{
    EXPECT_EQ(run(pruefen("/nonexistent/KEINE.RVK")).exitCode, 2);
    EXPECT_EQ(run(pruefen("")).exitCode, 2);
}

} // namespace
