#include "print/AnlageFormFile.h"

#include <array>

namespace ruvek {
namespace {

enum class Variants { None, Publishers, Code7 };

struct AnnexForm {
    int code;
    const char* baseName; // without ".FST"
    const char* description;
    Variants variants;
};

constexpr std::array<AnnexForm, 36> kForms{{
    {1, "Anl001", "(Halb-)/Jahres-Zeugnis der Grundschule Klassenstufe 1", Variants::None},
    {2, "Anl002", "Übergangs-Zeugnis der Grundschule Klassenstufe 1", Variants::None},
    {3, "Anl003", "(Halb-)/Jahres-Zeugnis der Grundschule Klassenstufe 2-4", Variants::None},
    {4, "Anl004", "Übergangs-Zeugnis der Grundschule Klassenstufe 2-3(4)", Variants::None},
    {104, "Anl04a", "(Halb-)/Jahres-Zeugnis der Orientierungsstufe", Variants::None},
    {5, "Anl005", "(Halb-)/Jahres-Zeugnis der Hauptschule", Variants::None},
    {6, "Anl006", "Übergangs-Zeugnis der Hauptschule", Variants::None},
    {7, "Anl007", "Abgangs-Zeugnis der Hauptschule", Variants::Code7},
    {8, "Anl008", "Abschluss-Zeugnis (Hauptschulabschluss) nichtgymnasiale Bildungsgänge", Variants::Publishers},
    {9, "Anl009", "Abschluss-Zeugnis (qual. Hauptschulabschluss) nichtgymnasiale Bildungsgänge",
     Variants::Publishers},
    {10, "Anl010", "(Halb-)/Jahres-Zeugnis der Realschule", Variants::None},
    {11, "Anl011", "Übergangs-Zeugnis der Realschule", Variants::None},
    {12, "Anl012", "Abgangs-Zeugnis der Realschule", Variants::Publishers},
    {13, "Anl013", "Abschluss-Zeugnis (Realschulabschluss) nichtgymnasiale Bildungsgänge", Variants::Publishers},
    {14, "Anl014", "Abschluss-Zeugnis (qual. Realschulabschluss) nichtgymnasiale Bildungsgänge",
     Variants::Publishers},
    {15, "Anl015", "(Halb-)/Jahres-Zeugnis der Regionalen Schule", Variants::None},
    {16, "Anl016", "Übergangs-Zeugnis der Regionalen Schule", Variants::None},
    {17, "Anl017", "Abgangs-Zeugnis der Regionalen Schule", Variants::Publishers},
    {18, "Anl018", "Abschluss-Zeugnis (Berufsreife) nichtgymnasiale Bildungsgänge", Variants::Publishers},
    {19, "Anl019", "Abschluss-Zeugnis (Berufsreife mit Leistungsfeststellung) nichtgymnasiale Bildungsgänge",
     Variants::Publishers},
    {20, "Anl020", "Abschluss-Zeugnis (Mittlere Reife) nichtgymnasiale Bildungsgänge", Variants::Publishers},
    {21, "Anl021", "(Halb-)/Jahres-Zeugnis des Gymnasiums", Variants::None},
    {22, "Anl022", "Übergangs-Zeugnis des Gymnasiums", Variants::None},
    {23, "Anl023", "Abgangs-Zeugnis des Gymnasiums", Variants::Publishers},
    {24, "Anl024", "Prüfungs-Zeugnis des Gymnasiums", Variants::None},
    {25, "Anl024", "Prüfungs-Zeugnis (NICHT bestanden) des Gymnasiums", Variants::None},
    {26, "Anl026", "Jahreszeugnis Kl. 5+6 der Integrierten Gesamtschule", Variants::None},
    {27, "Anl027", "Jahreszeugnis Kl. 7-10 der Integrierten Gesamtschule", Variants::None},
    {28, "Anl028", "Abgangszeugnis der Integrierten Gesamtschule", Variants::Publishers},
    {29, "Anl029", "Übergangszeugnis der Integrierten Gesamtschule", Variants::None},
    {41, "Anl041", "Empfangsbekenntnis", Variants::None},
    {105, "Anl105", "Zwischen-Zeugnis der Hauptschule", Variants::None},
    {110, "Anl110", "Zwischen-Zeugnis der Realschule", Variants::None},
    {115, "Anl115", "Zwischen-Zeugnis der Regionalen Schule", Variants::None},
    {121, "Anl121", "Zwischen-Zeugnis des Gymnasiums", Variants::None},
    {127, "Anl127", "Zwischen-Zeugnis der Integrierten Gesamtschule", Variants::None},
}};

constexpr const char* kUnknownAnnexMessage =
    "Die bisherigen Einstellungen lassen keine eindeutige\nAuswahl eines Zeugnisformulars zu!\n\n"
    "Bitte überprüfen Sie die Einstellungen der Schule,\nzum Druck und die gewählte Zeugnisart!";
constexpr const char* kPositionMessage =
    "Die gewählte Wappenposition ist derzeit nicht verfügbar!\n\nBitte korrigieren Sie die Druck-Optionen!";
constexpr const char* kSizeMessage =
    "Die gewählte Wappengröße ist derzeit nicht verfügbar!\n\nBitte korrigieren Sie die Druck-Optionen!";

constexpr int kPublisherBsn = 1;
constexpr int kPublisherKohlhammer = 2;
constexpr int kCoatOfArmsPrintedRight = 3;

void setVariant(FormFileInfo& info, const AnnexForm& form, const char* suffix, const std::string& paper)
{
    info.fileName = std::string(form.baseName) + suffix + ".FST";
    info.description = std::string(form.description) + " " + paper;
}

} // namespace

FormFileInfo AnlageFormFile(int annexCode, const TDrkEinstRec& options, Prompter& prompter)
{
    const AnnexForm* form = nullptr;
    for (const auto& f : kForms)
        if (f.code == annexCode)
            form = &f;
    if (!form) {
        prompter.error(kUnknownAnnexMessage);
        return {};
    }

    FormFileInfo info{std::string(form->baseName) + ".FST", form->description};
    if (form->variants == Variants::None)
        return info;

    if (options.Papierverlag == kPublisherBsn) {
        if (form->variants == Variants::Code7) {
            // There is no bsn form of this certificate.
            info.description = std::string(form->description) + " (bsn ?\?\?)";
        } else if (options.Wappenposition != kCoatOfArmsPrintedRight) {
            prompter.error(kPositionMessage);
        } else if (options.Wappengroesse == 1) {
            setVariant(info, *form, "_1031",
                       annexCode == 23 ? "(bsn 510 951 (od. 954) 00 12/04)" : "(bsn 510 960 00 12/04)");
        } else {
            prompter.error(kSizeMessage);
        }
    } else if (options.Papierverlag == kPublisherKohlhammer) {
        if (options.Wappenposition != kCoatOfArmsPrintedRight)
            prompter.error(kPositionMessage);
        else if (options.Wappengroesse == 0)
            setVariant(info, *form, "_2030", "(Kohlhammer 282.20/16-0)");
        else if (options.Wappengroesse == 1)
            setVariant(info, *form, "_2031", "(Kohlhammer 282.20/15-0)");
        else
            prompter.error(kSizeMessage);
    }
    return info;
}

} // namespace ruvek
