// ruvek-cli statistik from outside: the distribution of one class as the
// statistics window shows it, and of many classes at once, each and all
// together.
#include "support/CliRunner.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

namespace fs = std::filesystem;
using ruvek::test::run;
using ruvek::test::shellQuoted;

namespace {

const fs::path kExample = fs::path(RUVEK_SOURCE_DIR) / "data/examples/Beispielklasse.RVK";

std::string statistik(const std::string& arguments) { return std::string(RUVEK_CLI) + " statistik " + arguments; }

// The count after the label in a printed table, from `from` on.
std::string countAfter(const std::string& text, const std::string& label, std::size_t from = 0)
{
    const auto at = text.find(label, from);
    if (at == std::string::npos)
        return "";
    const auto end = text.find('\n', at);
    std::string value = text.substr(at + label.size(), end - at - label.size());
    value.erase(0, value.find_first_not_of(' '));
    return value;
}

TEST(StatistikCli, OneClassAndSeveralTogether)
{
    const auto one = run(statistik(shellQuoted(kExample) + " --fach Deutsch"));
    ASSERT_EQ(one.exitCode, 0) << one.text;
    EXPECT_EQ(one.text.rfind("Notenverteilung: Deutsch", 0), 0u) << one.text;
    EXPECT_EQ(one.text.find("== "), std::string::npos) << one.text;
    EXPECT_EQ(countAfter(one.text, "Summe"), "22");

    const fs::path dir = fs::temp_directory_path() / ("ruvek-statistik-" + std::to_string(std::random_device{}()));
    fs::create_directories(dir / "Klassen");
    fs::copy_file(kExample, dir / "Klassen" / "7a.RVK");
    fs::copy_file(kExample, dir / "Klassen" / "7b.RVK");
    std::ofstream(dir / "kaputt.RVK") << "keine Klassendatei";

    const auto all = run(statistik(shellQuoted(dir / "Klassen") + " " + shellQuoted(dir / "kaputt.RVK") +
                                   " --fach Deutsch"));
    EXPECT_EQ(all.exitCode, 2) << all.text;
    const auto total = all.text.find("== Alle 2 von 3 Klassen zusammen");
    ASSERT_NE(total, std::string::npos) << all.text;
    EXPECT_EQ(countAfter(all.text, "Summe", all.text.find("7b.RVK")), "22");
    EXPECT_EQ(countAfter(all.text, "Summe", total), "44");
    EXPECT_EQ(countAfter(all.text, "Durchschnitt", total), countAfter(one.text, "Durchschnitt"));
    EXPECT_NE(all.text.find("kaputt.RVK: nicht gezählt"), std::string::npos) << all.text;
    fs::remove_all(dir);
}

} // namespace
