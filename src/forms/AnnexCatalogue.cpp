#include "forms/AnnexCatalogue.h"

namespace ruvek {
namespace {

using enum FormFamily;
using F = FormKind;
using L = LayoutId;
using V = FormVariants;
using E = Electives;
using namespace catalogue_text;

constexpr AnnexForm kForms[] = {
    // ---- Grundschule ----
    {.code = 1, .family = Grundschule, .kind = F::Year, .layout = L::Grundschule1, .formFile = "Anl001",
     .formTitle = "(Halb-)/Jahres-Zeugnis der Grundschule Klassenstufe 1"},
    {.code = 2, .family = Grundschule, .kind = F::Transfer, .captionPrefix = kUebergang, .titlePrefix = kUebergangT,
     .layout = L::Grundschule1, .formFile = "Anl002", .formTitle = "Übergangs-Zeugnis der Grundschule Klassenstufe 1"},
    {.code = 3, .family = Grundschule, .kind = F::Year, .lastPage = 2, .layout = L::Grundschule, .formFile = "Anl003",
     .formTitle = "(Halb-)/Jahres-Zeugnis der Grundschule Klassenstufe 2-4", .religionRow = 4},
    {.code = 4, .family = Grundschule, .kind = F::Transfer, .lastPage = 2, .captionPrefix = kUebergang,
     .titlePrefix = kUebergangT, .layout = L::Grundschule, .formFile = "Anl004",
     .formTitle = "Übergangs-Zeugnis der Grundschule Klassenstufe 2-3(4)", .religionRow = 4},

    // ---- Orientierungsstufe ----
    {.code = 104, .family = Orientierungsstufe, .kind = F::Year, .lastPage = 2, .layout = L::Orientierungsstufe,
     .formFile = "Anl04a", .formTitle = "(Halb-)/Jahres-Zeugnis der Orientierungsstufe",
     .schoolKind = "der Orientierungsstufe", .rowsPerColumn = 9, .firstOpenRow = 7},

    // ---- Hauptschule ----
    {.code = 5, .family = Hauptschule, .kind = F::Year, .lastPage = 2, .layout = L::Hauptschule, .formFile = "Anl005",
     .formTitle = "(Halb-)/Jahres-Zeugnis der Hauptschule", .schoolKind = kHauptschule,
     .electives = E::TwoPerHalfYear, .religionRow = 8, .foreignLanguages = 1, .rowsPerColumn = 8, .firstOpenRow = 8},
    {.code = 6, .family = Hauptschule, .kind = F::Transfer, .lastPage = 2, .captionPrefix = kUebergang,
     .titlePrefix = kUebergangT, .layout = L::Hauptschule, .formFile = "Anl006",
     .formTitle = "Übergangs-Zeugnis der Hauptschule", .schoolKind = kHauptschule, .electives = E::TwoPerHalfYear,
     .religionRow = 8, .foreignLanguages = 1, .rowsPerColumn = 8, .firstOpenRow = 8},
    {.code = 7, .family = Hauptschule, .kind = F::Leaving, .lastPage = 2, .captionPrefix = kAbgang,
     .titlePrefix = kAbgangT, .layout = L::HauptschuleAbschluss, .formFile = "Anl007",
     .formTitle = "Abgangs-Zeugnis der Hauptschule", .variants = V::KohlhammerOnly, .schoolKind = kHauptschule,
     .electives = E::TwoPerHalfYear, .religionRow = 8, .foreignLanguages = 1, .stampOrSeal = true, .rowsPerColumn = 8,
     .firstOpenRow = 8},
    {.code = 8, .family = Hauptschule, .kind = F::Final, .lastPage = 2,
     .captionPrefix = "Abschlusszeugnis (Hauptschulabschluss): ",
     .titlePrefix = "Abschluss-Zeugnis (Hauptschulabschluss): ", .layout = L::HauptschuleAbschluss,
     .formFile = "Anl008", .formTitle = "Abschluss-Zeugnis (Hauptschulabschluss) nichtgymnasiale Bildungsgänge",
     .variants = V::Publishers, .schoolKind = kHauptschule, .electives = E::ThreePerHalfYear, .religionRow = 8,
     .foreignLanguages = 1, .stampOrSeal = true, .rowsPerColumn = 8, .firstOpenRow = 8},
    {.code = 9, .family = Hauptschule, .kind = F::Final, .lastPage = 2,
     .captionPrefix = "Abschlusszeugnis (qual. Hauptschulabs.): ",
     .titlePrefix = "Abschluss-Zeugnis (qual. Hauptschulabschluss)", .layout = L::HauptschuleAbschluss,
     .formFile = "Anl009",
     .formTitle = "Abschluss-Zeugnis (qual. Hauptschulabschluss) nichtgymnasiale Bildungsgänge",
     .variants = V::Publishers, .schoolKind = kHauptschule, .electives = E::ThreePerHalfYear, .religionRow = 8,
     .foreignLanguages = 1, .rowsPerColumn = 8, .firstOpenRow = 8},
    // The intermediate certificates of the Hauptschule and the Realschule
    // print no religion row.
    {.code = 105, .family = Hauptschule, .kind = F::Intermediate, .lastPage = 2, .captionPrefix = kZwischen,
     .titlePrefix = kZwischen, .layout = L::Hauptschule, .formFile = "Anl105",
     .formTitle = "Zwischen-Zeugnis der Hauptschule", .schoolKind = kHauptschule, .electives = E::TwoPerHalfYear,
     .foreignLanguages = 1, .rowsPerColumn = 8, .firstOpenRow = 8},

    // ---- Realschule ----
    {.code = 10, .family = Realschule, .kind = F::Year, .lastPage = 2, .layout = L::Realschule, .formFile = "Anl010",
     .formTitle = "(Halb-)/Jahres-Zeugnis der Realschule", .schoolKind = kRealschule, .electives = E::TwoPerHalfYear,
     .religionRow = 9, .rowsPerColumn = 9, .firstOpenRow = 8},
    {.code = 11, .family = Realschule, .kind = F::Transfer, .lastPage = 2, .captionPrefix = kUebergang,
     .titlePrefix = kUebergangT, .layout = L::Realschule, .formFile = "Anl011",
     .formTitle = "Übergangs-Zeugnis der Realschule", .schoolKind = kRealschule, .electives = E::TwoPerHalfYear,
     .religionRow = 9, .rowsPerColumn = 9, .firstOpenRow = 8},
    {.code = 12, .family = Realschule, .kind = F::Leaving, .lastPage = 2, .captionPrefix = kAbgang,
     .titlePrefix = kAbgangT, .layout = L::RealschuleAbschluss, .formFile = "Anl012",
     .formTitle = "Abgangs-Zeugnis der Realschule", .variants = V::Publishers, .schoolKind = kRealschule,
     .electives = E::TwoPerHalfYear, .religionRow = 9, .stampOrSeal = true, .rowsPerColumn = 9, .firstOpenRow = 7},
    {.code = 13, .family = Realschule, .kind = F::Final, .lastPage = 2,
     .captionPrefix = "Abschlusszeugnis (Realschulabschluss): ",
     .titlePrefix = "Abschluss-Zeugnis (Realschulabschluss): ", .layout = L::RealschuleAbschluss,
     .formFile = "Anl013", .formTitle = "Abschluss-Zeugnis (Realschulabschluss) nichtgymnasiale Bildungsgänge",
     .variants = V::Publishers, .schoolKind = kRealschule, .electives = E::ThreePerHalfYear, .religionRow = 9,
     .rowsPerColumn = 9, .firstOpenRow = 7},
    {.code = 14, .family = Realschule, .kind = F::Final, .lastPage = 2,
     .captionPrefix = "Abschlusszeugnis (qual. Realschulabs.): ",
     .titlePrefix = "Abschluss-Zeugnis (qual. Realschulabschluss)", .layout = L::RealschuleAbschluss,
     .formFile = "Anl014", .formTitle = "Abschluss-Zeugnis (qual. Realschulabschluss) nichtgymnasiale Bildungsgänge",
     .variants = V::Publishers, .schoolKind = kRealschule, .electives = E::ThreePerHalfYear, .religionRow = 9,
     .rowsPerColumn = 9, .firstOpenRow = 7},
    {.code = 110, .family = Realschule, .kind = F::Intermediate, .lastPage = 2, .captionPrefix = kZwischen,
     .titlePrefix = kZwischen, .layout = L::Realschule, .formFile = "Anl110",
     .formTitle = "Zwischen-Zeugnis der Realschule", .schoolKind = kRealschule, .electives = E::TwoPerHalfYear,
     .rowsPerColumn = 9, .firstOpenRow = 8},

    // ---- Regionale Schule ----
    {.code = 15, .family = RegionaleSchule, .kind = F::Year, .lastPage = 2, .layout = L::RegionaleSchule,
     .formFile = "Anl015", .formTitle = "(Halb-)/Jahres-Zeugnis der Regionalen Schule", .schoolKind = kRegionale,
     .electives = E::TwoPerHalfYear, .religionRow = 9, .levelMarks = true, .rowsPerColumn = 9, .firstOpenRow = 8},
    {.code = 16, .family = RegionaleSchule, .kind = F::Transfer, .lastPage = 2, .captionPrefix = kUebergang,
     .titlePrefix = kUebergangT, .layout = L::RegionaleSchule, .formFile = "Anl016",
     .formTitle = "Übergangs-Zeugnis der Regionalen Schule", .schoolKind = kRegionale, .electives = E::TwoPerHalfYear,
     .religionRow = 9, .levelMarks = true, .rowsPerColumn = 9, .firstOpenRow = 8},
    {.code = 17, .family = RegionaleSchule, .kind = F::Leaving, .lastPage = 2, .captionPrefix = kAbgang,
     .titlePrefix = kAbgangT, .layout = L::RegionaleSchuleAbschluss, .formFile = "Anl017",
     .formTitle = "Abgangs-Zeugnis der Regionalen Schule", .variants = V::Publishers, .schoolKind = kRegionale,
     .electives = E::TwoPerHalfYear, .religionRow = 9, .levelMarks = true, .stampOrSeal = true, .rowsPerColumn = 9, .firstOpenRow = 8},
    // The Berufsreife certificate has one foreign language, so its religion
    // row is one row higher and its table one row shorter.
    {.code = 18, .family = RegionaleSchule, .kind = F::Final, .lastPage = 2,
     .captionPrefix = "Abschlusszeugnis (Berufsreife): ", .titlePrefix = "Abschluss-Zeugnis (Berufsreife): ",
     .layout = L::RegionaleSchuleAbschluss, .formFile = "Anl018",
     .formTitle = "Abschluss-Zeugnis (Berufsreife) nichtgymnasiale Bildungsgänge", .variants = V::Publishers,
     .schoolKind = kRegionale, .electives = E::ThreePerHalfYear, .religionRow = 8, .foreignLanguages = 1,
     .levelMarks = true, .rowsPerColumn = 8, .firstOpenRow = 8},
    {.code = 19, .family = RegionaleSchule, .kind = F::Final, .lastPage = 2,
     .captionPrefix = "Abschlusszeugnis (Berufsreife m. Leistungsf.): ",
     .titlePrefix = "Abschluss-Zeugnis (Berufsreife m. Leist.): ", .layout = L::RegionaleSchuleAbschluss,
     .formFile = "Anl019",
     .formTitle = "Abschluss-Zeugnis (Berufsreife mit Leistungsfeststellung) nichtgymnasiale Bildungsgänge",
     .variants = V::Publishers, .schoolKind = kRegionale, .electives = E::ThreePerHalfYear, .religionRow = 9,
     .levelMarks = true, .rowsPerColumn = 9, .firstOpenRow = 8},
    // The Mittlere Reife refers to one level of demand: no level letters.
    {.code = 20, .family = RegionaleSchule, .kind = F::Final, .lastPage = 2,
     .captionPrefix = "Abschlusszeugnis (Mittlere Reife): ", .titlePrefix = "Abschluss-Zeugnis (Mittlere Reife): ",
     .layout = L::RegionaleSchuleAbschluss, .formFile = "Anl020",
     .formTitle = "Abschluss-Zeugnis (Mittlere Reife) nichtgymnasiale Bildungsgänge", .variants = V::Publishers,
     .schoolKind = kRegionale, .electives = E::ThreePerHalfYear, .religionRow = 9, .rowsPerColumn = 9,
     .firstOpenRow = 8},
    {.code = 115, .family = RegionaleSchule, .kind = F::Intermediate, .lastPage = 2, .captionPrefix = kZwischen,
     .titlePrefix = kZwischen, .layout = L::RegionaleSchule, .formFile = "Anl115",
     .formTitle = "Zwischen-Zeugnis der Regionalen Schule", .schoolKind = kRegionale, .electives = E::TwoPerHalfYear,
     .religionRow = 9, .levelMarks = true, .rowsPerColumn = 9, .firstOpenRow = 8},

    // ---- Gymnasium ----
    {.code = 21, .family = Gymnasium, .kind = F::Year, .lastPage = 2, .layout = L::Gymnasium, .formFile = "Anl021",
     .formTitle = "(Halb-)/Jahres-Zeugnis des Gymnasiums", .schoolKind = kGymnasium, .electives = E::TwoPerHalfYear,
     .religionRow = 9, .rowsPerColumn = 9, .firstOpenRow = 9},
    {.code = 22, .family = Gymnasium, .kind = F::Transfer, .lastPage = 2, .captionPrefix = kUebergang,
     .titlePrefix = kUebergangT, .layout = L::Gymnasium, .titleNamesPage = true, .formFile = "Anl022",
     .formTitle = "Übergangs-Zeugnis des Gymnasiums", .schoolKind = kGymnasium, .electives = E::TwoPerHalfYear,
     .religionRow = 9, .rowsPerColumn = 9, .firstOpenRow = 9},
    {.code = 23, .family = Gymnasium, .kind = F::Leaving, .captionPrefix = kAbgang, .titlePrefix = kAbgangT,
     .layout = L::GymnasiumAbgang, .formFile = "Anl023", .formTitle = "Abgangs-Zeugnis des Gymnasiums",
     .variants = V::Publishers, .bsnPaper = "(bsn 510 951 (od. 954) 00 12/04)", .schoolKind = kGymnasium,
     .electives = E::TwoPerHalfYear, .religionRow = 10, .rightReligion = true, .rowsPerColumn = 8},
    // The examination certificates share one form file and have no subject
    // rows of their own: their slots take the rows of the year certificate.
    {.code = 24, .family = Gymnasium, .kind = F::Examination, .captionPrefix = "Prüfungszeugnis (BESTANDEN): ",
     .titlePrefix = "Versetzungs-/Prüfungs-Zeugnis (BESTANDEN): ", .layout = L::GymnasiumPruefung,
     .formFile = "Anl024", .formTitle = "Prüfungs-Zeugnis des Gymnasiums",
     .schoolKind = "des Gymnasiums / der Integrierten Gesamtschule", .electives = E::TwoPerHalfYear,
     .religionRow = 9, .rightReligion = true, .examination = true, .slotRowsOf = 21},
    {.code = 25, .family = Gymnasium, .kind = F::Examination, .captionPrefix = "Prüfungszeugnis (NICHT bestanden): ",
     .titlePrefix = "Versetzungs-/Prüfungs-Zeugnis (NICHT best.): ", .layout = L::GymnasiumPruefung,
     .formFile = "Anl024", .formTitle = "Prüfungs-Zeugnis (NICHT bestanden) des Gymnasiums",
     .schoolKind = "des Gymnasiums / der Integrierten Gesamtschule", .electives = E::TwoPerHalfYear,
     .religionRow = 9, .rightReligion = true, .examination = true, .slotRowsOf = 21},
    {.code = 121, .family = Gymnasium, .kind = F::Intermediate, .lastPage = 2, .captionPrefix = kZwischen,
     .titlePrefix = "Zwischen-Zeugnis: ", .layout = L::Gymnasium, .formFile = "Anl121",
     .formTitle = "Zwischen-Zeugnis des Gymnasiums", .schoolKind = kGymnasium, .electives = E::TwoPerHalfYear,
     .religionRow = 9, .rowsPerColumn = 9, .firstOpenRow = 9},

    // ---- Integrierte Gesamtschule ----
    // Classes 5 and 6: rows 2 and 3 print their subjects as they are.
    {.code = 26, .family = Gesamtschule, .kind = F::Year, .lastPage = 2, .layout = L::Gesamtschule56,
     .formFile = "Anl026", .formTitle = "Jahreszeugnis Kl. 5+6 der Integrierten Gesamtschule",
     .schoolKind = kGesamtschule, .religionRow = 6, .foreignLanguages = 0, .rowsPerColumn = 6, .firstOpenRow = 5},
    {.code = 27, .family = Gesamtschule, .kind = F::Year, .lastPage = 2, .layout = L::Gesamtschule,
     .formFile = "Anl027", .formTitle = "Jahreszeugnis Kl. 7-10 der Integrierten Gesamtschule",
     .schoolKind = kGesamtschule, .electives = E::ThreePerHalfYear, .religionRow = 9, .levelMarks = true,
     .rowsPerColumn = 9, .firstOpenRow = 9},
    {.code = 28, .family = Gesamtschule, .kind = F::Leaving, .lastPage = 2, .captionPrefix = kAbgang,
     .titlePrefix = kAbgangT, .layout = L::GesamtschuleAbgang, .formFile = "Anl028",
     .formTitle = "Abgangszeugnis der Integrierten Gesamtschule", .variants = V::Publishers,
     .schoolKind = kGesamtschule, .electives = E::ThreePerHalfYear, .religionRow = 9, .levelMarks = true,
     .stampOrSeal = true, .rowsPerColumn = 9, .firstOpenRow = 8},
    {.code = 29, .family = Gesamtschule, .kind = F::Transfer, .lastPage = 2, .captionPrefix = kUebergang,
     .titlePrefix = kUebergangT, .layout = L::Gesamtschule, .formFile = "Anl029",
     .formTitle = "Übergangszeugnis der Integrierten Gesamtschule", .schoolKind = kGesamtschule,
     .electives = E::ThreePerHalfYear, .religionRow = 9, .levelMarks = true, .rowsPerColumn = 9,
     .firstOpenRow = 8},
    {.code = 127, .family = Gesamtschule, .kind = F::Intermediate, .lastPage = 2, .captionPrefix = kZwischen,
     .titlePrefix = kZwischen, .layout = L::Gesamtschule, .formFile = "Anl127",
     .formTitle = "Zwischen-Zeugnis der Integrierten Gesamtschule", .schoolKind = kGesamtschule,
     .electives = E::ThreePerHalfYear, .religionRow = 9, .levelMarks = true, .rowsPerColumn = 9,
     .firstOpenRow = 9},

    // ---- Förderschule and Schule zur individuellen Lebensbewältigung ----
    // Forms the decision names but that have no printout yet.
    {.code = 30, .family = Foerderschule, .kind = F::Year},
    {.code = 31, .family = Foerderschule, .kind = F::Transfer},
    {.code = 32, .family = Foerderschule, .kind = F::Year},
    {.code = 33, .family = Foerderschule, .kind = F::Transfer},
    {.code = 34, .family = Foerderschule, .kind = F::Year},
    {.code = 35, .family = Foerderschule, .kind = F::Final},
    {.code = 36, .family = Foerderschule, .kind = F::Transfer},
    {.code = 38, .family = Foerderschule, .kind = F::Final},
    {.code = 130, .family = Foerderschule, .kind = F::Intermediate},
    {.code = 39, .family = Lebensbewaeltigung, .kind = F::Year},
    {.code = 40, .family = Lebensbewaeltigung, .kind = F::Final},
    {.code = 42, .family = Lebensbewaeltigung, .kind = F::Transfer},
    // The leaving certificate of the Förderschule is printed as the receipt.
    {.code = 41, .family = Foerderschule, .kind = F::Receipt, .captionPrefix = "Empfangsbekenntnis: ",
     .titlePrefix = "Empfangsbekenntnis: ", .layout = L::Empfangsbekenntnis, .certificatePreamble = false,
     .formFile = "Anl041", .formTitle = "Empfangsbekenntnis"},

    // ---- Sheets printed by their own commands ----
    {.code = annex::Lernentwicklungsbericht, .family = Report, .kind = F::Report,
     .captionPrefix = "Lernentwicklungsbericht: ", .titlePrefix = "Lernentwicklungsberichte",
     .layout = L::Lernentwicklungsbericht, .certificatePreamble = false, .formFile = "Anl170",
     .formTitle = "Lernentwicklungsberichte auf A4 (je 2 als A5 quer) Version 1"},
    {.code = annex::Datenblatt, .family = DataSheet, .kind = F::DataSheet, .layout = L::Datenblatt,
     .certificatePreamble = false},
};

} // namespace

std::span<const AnnexForm> AnnexCatalogue() { return kForms; }

const AnnexForm* FindAnnexForm(int code)
{
    for (const AnnexForm& f : kForms)
        if (f.code == code)
            return &f;
    return nullptr;
}

Electives ElectivesOf(int code)
{
    const AnnexForm* f = FindAnnexForm(code);
    return f ? f->electives : Electives::None;
}

int ElectiveRowsOf(int code)
{
    switch (ElectivesOf(code)) {
    case Electives::TwoPerHalfYear: return 2;
    case Electives::ThreePerHalfYear: return 3;
    case Electives::None: break;
    }
    return 0;
}

bool IsExaminationForm(int code)
{
    const AnnexForm* f = FindAnnexForm(code);
    return f && f->examination;
}

int SlotRowsForm(int code)
{
    const AnnexForm* f = FindAnnexForm(code);
    return f && f->slotRowsOf != 0 ? f->slotRowsOf : code;
}

const char* SchoolKindOf(int code)
{
    const AnnexForm* f = FindAnnexForm(code);
    return f && f->schoolKind ? f->schoolKind : "";
}

int ReligionRowOf(int code)
{
    const AnnexForm* f = FindAnnexForm(code);
    return f ? f->religionRow : 0;
}

} // namespace ruvek
