// The translation of Windows-style file filters into Qt's syntax.
#include "ui/QtPrompter.h"

#include <gtest/gtest.h>

using ruvek::ui::toQtFilter;

TEST(QtPrompterFilter, TranslatesWindowsFilters)
{
    const std::pair<std::string, QString> cases[] = {
        {"Zeugnis-KL-Datenbanken (*.RVK; *.ZDB)|*.RVK;*.ZDB|alle Dateien (*.*)|*.*",
         "Zeugnis-KL-Datenbanken (*.RVK *.rvk *.ZDB *.zdb);;alle Dateien (*)"},
        {"Zeugnis-KL-Datenbanken (*.RVK)| *.RVK", "Zeugnis-KL-Datenbanken (*.RVK *.rvk)"},
        {"Einstellungen (*.DAT)|*.dat", "Einstellungen (*.dat *.DAT)"},
        {"Textdateien (*.txt *.csv)", "Textdateien (*.txt *.TXT *.csv *.CSV)"},
        {"", ""},
    };
    for (const auto& [in, expected] : cases)
        EXPECT_EQ(toQtFilter(in), expected) << in;
}

TEST(QtPrompterFilter, PathsRoundTripUtf8)
{
    const std::filesystem::path p = "/tmp/Schüler Klasse 5ä.RVK";
    EXPECT_EQ(ruvek::ui::toPath(ruvek::ui::toQString(p)), p);
    EXPECT_EQ(ruvek::ui::toQString(p), QStringLiteral("/tmp/Schüler Klasse 5ä.RVK"));
}
