#include "print/AnlageFormFile.h"

#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <set>

namespace ruvek {
namespace {

constexpr const char* kPosition =
    "Die gewählte Wappenposition ist derzeit nicht verfügbar!\n\nBitte korrigieren Sie die Druck-Optionen!";
constexpr const char* kSize =
    "Die gewählte Wappengröße ist derzeit nicht verfügbar!\n\nBitte korrigieren Sie die Druck-Optionen!";
constexpr const char* kUnknown =
    "Die bisherigen Einstellungen lassen keine eindeutige\nAuswahl eines Zeugnisformulars zu!\n\n"
    "Bitte überprüfen Sie die Einstellungen der Schule,\nzum Druck und die gewählte Zeugnisart!";

struct VariantCase {
    int code;
    int verlag, position, groesse;
    const char* file;
    const char* description;
    const char* message; // nullptr: none
};

const VariantCase kCases[] = {
    // Plain forms, whatever the publisher.
    {1, 0, 0, 1, "Anl001.FST", "(Halb-)/Jahres-Zeugnis der Grundschule Klassenstufe 1", nullptr},
    {104, 1, 3, 1, "Anl04a.FST", "(Halb-)/Jahres-Zeugnis der Orientierungsstufe", nullptr},
    {24, 2, 3, 0, "Anl024.FST", "Prüfungs-Zeugnis des Gymnasiums", nullptr},
    {25, 0, 0, 1, "Anl024.FST", "Prüfungs-Zeugnis (NICHT bestanden) des Gymnasiums", nullptr},
    {41, 0, 0, 1, "Anl041.FST", "Empfangsbekenntnis", nullptr},
    {127, 2, 3, 1, "Anl127.FST", "Zwischen-Zeugnis der Integrierten Gesamtschule", nullptr},
    // Publisher variants.
    {8, 1, 3, 1, "Anl008_1031.FST",
     "Abschluss-Zeugnis (Hauptschulabschluss) nichtgymnasiale Bildungsgänge (bsn 510 960 00 12/04)", nullptr},
    {23, 1, 3, 1, "Anl023_1031.FST", "Abgangs-Zeugnis des Gymnasiums (bsn 510 951 (od. 954) 00 12/04)", nullptr},
    {20, 2, 3, 0, "Anl020_2030.FST",
     "Abschluss-Zeugnis (Mittlere Reife) nichtgymnasiale Bildungsgänge (Kohlhammer 282.20/16-0)", nullptr},
    {28, 2, 3, 1, "Anl028_2031.FST", "Abgangszeugnis der Integrierten Gesamtschule (Kohlhammer 282.20/15-0)",
     nullptr},
    {12, 3, 3, 1, "Anl012.FST", "Abgangs-Zeugnis der Realschule", nullptr}, // Reserve1 = plain
    {12, 5, 0, 2, "Anl012.FST", "Abgangs-Zeugnis der Realschule", nullptr},
    // Coat-of-arms options the publisher does not offer: message, plain form.
    {8, 1, 3, 2, "Anl008.FST", "Abschluss-Zeugnis (Hauptschulabschluss) nichtgymnasiale Bildungsgänge", kSize},
    {8, 1, 3, 0, "Anl008.FST", "Abschluss-Zeugnis (Hauptschulabschluss) nichtgymnasiale Bildungsgänge", kSize},
    {9, 1, 2, 1, "Anl009.FST", "Abschluss-Zeugnis (qual. Hauptschulabschluss) nichtgymnasiale Bildungsgänge",
     kPosition},
    {17, 2, 0, 0, "Anl017.FST", "Abgangs-Zeugnis der Regionalen Schule", kPosition},
    {17, 2, 3, 2, "Anl017.FST", "Abgangs-Zeugnis der Regionalen Schule", kSize},
    // Code 7: no bsn form, Kohlhammer as the others.
    {7, 1, 0, 2, "Anl007.FST", "Abgangs-Zeugnis der Hauptschule (bsn ?\?\?)", nullptr},
    {7, 1, 3, 1, "Anl007.FST", "Abgangs-Zeugnis der Hauptschule (bsn ?\?\?)", nullptr},
    {7, 2, 3, 1, "Anl007_2031.FST", "Abgangs-Zeugnis der Hauptschule (Kohlhammer 282.20/15-0)", nullptr},
    {7, 2, 1, 1, "Anl007.FST", "Abgangs-Zeugnis der Hauptschule", kPosition},
    // Unknown codes.
    {0, 0, 0, 1, "", "", kUnknown},
    {-1, 0, 0, 1, "", "", kUnknown},
    {43, 0, 0, 1, "", "", kUnknown},
    {170, 0, 0, 1, "", "", kUnknown},
};

TEST(AnlageFormFile, VariantTableAndMessages)
{
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message() << "code " << c.code << " verlag " << c.verlag << " position " << c.position
                                        << " groesse " << c.groesse);
        TDrkEinstRec options;
        DrkEinstDefaults(options);
        options.Papierverlag = static_cast<std::int16_t>(c.verlag);
        options.Wappenposition = static_cast<std::int16_t>(c.position);
        options.Wappengroesse = static_cast<std::int16_t>(c.groesse);
        test::ScriptedPrompter prompter;
        const FormFileInfo info = AnlageFormFile(c.code, options, prompter);
        EXPECT_EQ(info.fileName, c.file);
        EXPECT_EQ(info.description, c.description);
        if (c.message)
            EXPECT_EQ(prompter.log(), std::vector{test::Shown::error(c.message)});
        else
            EXPECT_TRUE(prompter.log().empty());
    }
}

TEST(AnlageFormFile, EveryKnownCodeHasItsOwnFileExceptTheExaminationPair)
{
    TDrkEinstRec options;
    DrkEinstDefaults(options);
    const int codes[] = {1,  2,  3,  4,  104, 5,  6,  7,  8,  9,  10, 11,  12,  13,  14,  15,  16, 17,
                         18, 19, 20, 21, 22,  23, 24, 25, 26, 27, 28, 29, 41, 105, 110, 115, 121, 127};
    std::set<std::string> files;
    for (int code : codes) {
        test::ScriptedPrompter prompter;
        const auto info = AnlageFormFile(code, options, prompter);
        EXPECT_TRUE(prompter.log().empty()) << code;
        EXPECT_FALSE(info.description.empty()) << code;
        files.insert(info.fileName);
    }
    EXPECT_EQ(files.size(), std::size(codes) - 1); // 24 and 25 share Anl024.FST
}

} // namespace
} // namespace ruvek
