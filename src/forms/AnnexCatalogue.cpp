#include "forms/AnnexCatalogue.h"

namespace ruvek {
namespace {

using enum FormFamily;
using F = FormKind;
using L = LayoutId;
using V = FormVariants;
using E = Electives;
using namespace catalogue_text;

// The statements of the leaving and final certificates; the texts are the
// forms' own, "Jahrgangstufe" included.
constexpr const char* kLeaving =
    "wird nach Erfüllung seiner/ihrer Pflicht zum neunjährigen Besuch allgemein bildender Schulen aus der";
constexpr const char* kLeavingComprehensive =
    "wird nach Erfüllung seiner/ihrer Pflicht zum neunjährigen Besuch der allgemein bildenden Schule aus der";
constexpr const char* kRealschulExam =
    "hat erfolgreich an der Realschulabschlussprüfung gemäß § 16 Abs. 4 des Schulgesetzes des Landes";
constexpr const char* kRealschulExamSecond = "Kestland teilgenommen und den";
constexpr const char* kWithDistinction = "mit dem Gesamtprädikat _____________________________________ erworben.";

constexpr FormStatement kLeavingHauptschule{kLeaving, nullptr, "Jahrgangsstufe ____ der Hauptschule entlassen.",
                                            nullptr, true, false};
constexpr FormStatement kLeavingRealschule{kLeaving, nullptr, "Jahrgangsstufe ____ der Realschule entlassen.",
                                           nullptr, true, false};
constexpr FormStatement kLeavingRegionale{kLeaving, nullptr, "Jahrgangsstufe ____ der Regionalen Schule entlassen.",
                                          nullptr, true, false};
constexpr FormStatement kLeavingGesamtschule{kLeavingComprehensive, nullptr, "____ Jahrgangsstufe entlassen.",
                                             nullptr, true, false};
constexpr FormStatement kHauptschulabschluss{
    "hat erfolgreich am Unterricht der Jahrgangstufe 9 des Hauptschulbildungsganges teilgenommen", "und den",
    "Hauptschulabschluss", "erworben.", false, false};
constexpr FormStatement kQualHauptschulabschluss{
    "hat erfolgreich am Unterricht der Jahrgangstufe 10 des Hauptschulbildungsganges teilgenommen", "und den",
    "qualifizierten Hauptschulabschluss", "erworben.", false, false};
constexpr FormStatement kRealschulabschluss{kRealschulExam, kRealschulExamSecond, "Realschulabschluss",
                                            kWithDistinction, false, true};
constexpr FormStatement kQualRealschulabschluss{kRealschulExam, kRealschulExamSecond,
                                                "qualifizierten Realschulabschluss", kWithDistinction, false, true};
constexpr FormStatement kBerufsreife{"hat erfolgreich am Unterricht der Jahrgangstufe 9 teilgenommen und die",
                                     nullptr, "Berufsreife", "erworben.", false, false};
constexpr FormStatement kBerufsreifeLeistung{
    "hat erfolgreich am Unterricht der Jahrgangsstufe 9 und an einem Leistungsfeststellungsverfahren",
    "gemäß § 16 Abs. 3 des Schulgesetzes des Landes Kestland teilgenommen und die",
    "Berufsreife mit Leistungsfeststellung", kWithDistinction, false, true};
constexpr FormStatement kMittlereReife{
    "hat erfolgreich an der Abschlussprüfung gemäß § 16 Abs. 4 des Schulgesetzes des Landes Kest-",
    "land teilgenommen und die", "Mittlere Reife", kWithDistinction, false, true};

// The default subject catalogue's rows on the forms.
constexpr DefaultSubjectRow kRowsGrundschule1[] = {{1, "Deutsch"}};
constexpr DefaultSubjectRow kRowsGrundschule[] = {{1, "Deutsch"}, {2, "Sachunterricht"}, {3, "Mathematik"},
                                                  {5, "Kunst"},   {6, "Musik"},          {7, "Sport"},
                                                  {8, "Werken"}};
constexpr DefaultSubjectRow kRowsHauptschule[] = {
    {1, "Deutsch"}, {3, "Mathematik"}, {4, "Geschichte"}, {5, "Geografie"}, {6, "Sozialkunde"},
    {7, "Arbeit-Wirtschaft-Technik u. Informatik"}, {10, "Physik"}, {11, "Chemie"}, {12, "Biologie"},
    {13, "Astronomie"}, {14, "Musik"}, {15, "Kunst und Gestaltung"}, {16, "Sport"}};
constexpr DefaultSubjectRow kRowsRealschule[] = {
    {1, "Deutsch"}, {4, "Mathematik"}, {5, "Geschichte"}, {6, "Geografie"}, {7, "Sozialkunde"},
    {8, "Arbeit-Wirtschaft-Technik u. Informatik"}, {10, "Physik"}, {11, "Chemie"}, {12, "Biologie"},
    {13, "Astronomie"}, {14, "Musik"}, {15, "Kunst und Gestaltung"}, {16, "Sport"}};
constexpr DefaultSubjectRow kRowsAbschlussRealschule[] = {
    {1, "Deutsch"}, {4, "Mathematik"}, {5, "Geschichte"}, {6, "Geografie"}, {7, "Sozialkunde"},
    {8, "Arbeit-Wirtschaft-Technik u. Informatik"}, {10, "Physik"}, {11, "Chemie"}, {12, "Biologie"},
    {13, "Musik"}, {14, "Kunst und Gestaltung"}, {15, "Sport"}};
constexpr DefaultSubjectRow kRowsGymnasium[] = {
    {1, "Deutsch"}, {4, "Mathematik"}, {5, "Geschichte"}, {6, "Geografie"}, {7, "Sozialkunde"},
    {8, "Arbeit-Wirtschaft-Technik"}, {10, "Physik"}, {11, "Chemie"}, {12, "Biologie"}, {13, "Astronomie"},
    {14, "Informatik"}, {15, "Musik"}, {16, "Kunst und Gestaltung"}, {17, "Sport"}};
constexpr DefaultSubjectRow kRowsGymnasiumAbgang[] = {
    {1, "Deutsch"}, {4, "Mathematik"}, {5, "Geschichte"}, {6, "Sozialkunde"}, {7, "Geografie"},
    {8, "Arbeit-Wirtschaft-Technik"}, {11, "Physik"}, {12, "Chemie"}, {13, "Biologie"}, {14, "Astronomie"},
    {15, "Musik"}, {16, "Kunst und Gestaltung"}, {17, "Sport"}};
constexpr DefaultSubjectRow kRowsGymnasiumPruefung[] = {
    {1, "Deutsch"}, {2, "Mathematik"}, {4, "Musik"}, {5, "Kunst und Gestaltung"}, {6, "Geschichte"},
    {7, "Sozialkunde"}, {8, "Geografie"}, {13, "Arbeit-Wirtschaft-Technik"}, {14, "Physik"}, {15, "Chemie"},
    {16, "Biologie"}, {17, "Sport"}};
constexpr DefaultSubjectRow kRowsGesamtschule56[] = {
    {1, "Deutsch"}, {2, "Englisch"}, {3, "Mathematik"}, {4, "Weltkunde"},
    {5, "Arbeit-Wirtschaft-Technik u. Informatik"}, {10, "Naturwissenschaften"}, {11, "Musik"},
    {12, "Kunst und Gestaltung"}, {13, "Sport"}};
constexpr DefaultSubjectRow kRowsGesamtschule[] = {
    {1, "Deutsch"}, {4, "Mathematik"}, {5, "Geschichte"}, {6, "Geografie"}, {7, "Sozialkunde"},
    {8, "Arbeit-Wirtschaft-Technik u. Informatik"}, {10, "Naturwissenschaften"}, {11, "Physik"}, {12, "Chemie"},
    {13, "Biologie"}, {14, "Astronomie"}, {15, "Musik"}, {16, "Kunst und Gestaltung"}, {17, "Sport"}};
constexpr DefaultSubjectRow kRowsOrientierungsstufe[] = {
    {1, "Deutsch"}, {4, "Mathematik"}, {5, "Geschichte"}, {6, "Geografie"}, {7, "Weltkunde"},
    {8, "Arbeit-Wirtschaft-Technik u. Informatik"}, {10, "Physik"}, {11, "Biologie"}, {12, "Naturwissenschaften"},
    {13, "Musik"}, {14, "Kunst und Gestaltung"}, {15, "Sport"}};

// The record editor's subject rows (see AnnexForm::editorRows).
constexpr const char* kEditorGrundschule = "LLLBLLLLA---------";
constexpr const char* kEditorHauptschule = "LALLLLLB-LLLLLLLC-";
constexpr const char* kEditorRealschule = "LAALLLLLBLLLLLLLCC";
constexpr const char* kEditorAbschluss = "LAALLLLLBLLLLLLCCC";
constexpr const char* kEditorRegionale = "laAlLLLLBllLLLLLCC";
constexpr const char* kEditorBerufsreife = "lalLLLLB-llLLLLLC-";
constexpr const char* kEditorGymnasium = "LAALLLLLBLLLLLLLLC";
constexpr const char* kEditorGymnasiumAbgang = "LAALLLLL-BLLLLLLL-";
constexpr const char* kEditorGesamtschule56 = "LLLLLBLC-LLLLCC---";
constexpr const char* kEditorGesamtschule = "laAlLLLLBllllLLLLC";
constexpr const char* kEditorGesamtschuleAbgang = "laAlLLLLBlllLLLLCC";
constexpr const char* kEditorFoerderschule = "LALCLCLCCCLLLCCCCC";
constexpr const char* kEditorReceipt = "LACCLCLCCCLLLCCCCC";

constexpr AnnexForm kForms[] = {
    // ---- Grundschule ----
    {.code = 1, .family = Grundschule, .kind = F::Year, .layout = L::Grundschule1, .formFile = "Anl001",
     .formTitle = "(Halb-)/Jahres-Zeugnis der Grundschule Klassenstufe 1",
     .defaultRows = kRowsGrundschule1, .slotGroup = SlotGroup::Grundschule1},
    {.code = 2, .family = Grundschule, .kind = F::Transfer, .captionPrefix = kUebergang, .titlePrefix = kUebergangT,
     .layout = L::Grundschule1, .formFile = "Anl002", .formTitle = "Übergangs-Zeugnis der Grundschule Klassenstufe 1",
     .defaultRows = kRowsGrundschule1, .slotGroup = SlotGroup::Grundschule1},
    {.code = 3, .family = Grundschule, .kind = F::Year, .lastPage = 2, .layout = L::Grundschule, .formFile = "Anl003",
     .formTitle = "(Halb-)/Jahres-Zeugnis der Grundschule Klassenstufe 2-4", .religionRow = 4,
     .defaultRows = kRowsGrundschule, .slotGroup = SlotGroup::Grundschule, .editorRows = kEditorGrundschule},
    {.code = 4, .family = Grundschule, .kind = F::Transfer, .lastPage = 2, .captionPrefix = kUebergang,
     .titlePrefix = kUebergangT, .layout = L::Grundschule, .formFile = "Anl004",
     .formTitle = "Übergangs-Zeugnis der Grundschule Klassenstufe 2-3(4)", .religionRow = 4,
     .defaultRows = kRowsGrundschule, .slotGroup = SlotGroup::Grundschule, .editorRows = kEditorGrundschule},

    // ---- Orientierungsstufe ----
    {.code = 104, .family = Orientierungsstufe, .kind = F::Year, .lastPage = 2, .layout = L::Orientierungsstufe,
     .formFile = "Anl04a", .formTitle = "(Halb-)/Jahres-Zeugnis der Orientierungsstufe",
     .schoolKind = "der Orientierungsstufe", .rowsPerColumn = 9, .firstOpenRow = 7,
     .defaultRows = kRowsOrientierungsstufe, .slotGroup = SlotGroup::Orientierungsstufe,
     .editorRows = kEditorAbschluss, .number = "4a"},

    // ---- Hauptschule ----
    {.code = 5, .family = Hauptschule, .kind = F::Year, .lastPage = 2, .layout = L::Hauptschule, .formFile = "Anl005",
     .formTitle = "(Halb-)/Jahres-Zeugnis der Hauptschule", .schoolKind = kHauptschule,
     .electives = E::TwoPerHalfYear, .religionRow = 8, .foreignLanguages = 1, .rowsPerColumn = 8, .firstOpenRow = 8,
     .defaultRows = kRowsHauptschule, .slotGroup = SlotGroup::Hauptschule, .editorRows = kEditorHauptschule},
    {.code = 6, .family = Hauptschule, .kind = F::Transfer, .lastPage = 2, .captionPrefix = kUebergang,
     .titlePrefix = kUebergangT, .layout = L::Hauptschule, .formFile = "Anl006",
     .formTitle = "Übergangs-Zeugnis der Hauptschule", .schoolKind = kHauptschule, .electives = E::TwoPerHalfYear,
     .religionRow = 8, .foreignLanguages = 1, .rowsPerColumn = 8, .firstOpenRow = 8,
     .defaultRows = kRowsHauptschule, .slotGroup = SlotGroup::Hauptschule, .editorRows = kEditorHauptschule},
    {.code = 7, .family = Hauptschule, .kind = F::Leaving, .lastPage = 2, .captionPrefix = kAbgang,
     .titlePrefix = kAbgangT, .layout = L::HauptschuleAbschluss, .formFile = "Anl007",
     .formTitle = "Abgangs-Zeugnis der Hauptschule", .variants = V::KohlhammerOnly, .schoolKind = kHauptschule,
     .electives = E::TwoPerHalfYear, .religionRow = 8, .foreignLanguages = 1, .stampOrSeal = true,
     .statement = &kLeavingHauptschule, .rowsPerColumn = 8,
     .firstOpenRow = 8,
     .defaultRows = kRowsHauptschule, .slotGroup = SlotGroup::Hauptschule, .editorRows = kEditorHauptschule},
    {.code = 8, .family = Hauptschule, .kind = F::Final, .lastPage = 2,
     .captionPrefix = "Abschlusszeugnis (Hauptschulabschluss): ",
     .titlePrefix = "Abschluss-Zeugnis (Hauptschulabschluss): ", .layout = L::HauptschuleAbschluss,
     .formFile = "Anl008", .formTitle = "Abschluss-Zeugnis (Hauptschulabschluss) nichtgymnasiale Bildungsgänge",
     .variants = V::Publishers, .schoolKind = kHauptschule, .electives = E::ThreePerHalfYear, .religionRow = 8,
     .foreignLanguages = 1, .stampOrSeal = true, .statement = &kHauptschulabschluss, .rowsPerColumn = 8,
     .firstOpenRow = 8,
     .defaultRows = kRowsHauptschule, .slotGroup = SlotGroup::Hauptschule, .editorRows = kEditorHauptschule},
    {.code = 9, .family = Hauptschule, .kind = F::Final, .lastPage = 2,
     .captionPrefix = "Abschlusszeugnis (qual. Hauptschulabs.): ",
     .titlePrefix = "Abschluss-Zeugnis (qual. Hauptschulabschluss)", .layout = L::HauptschuleAbschluss,
     .formFile = "Anl009",
     .formTitle = "Abschluss-Zeugnis (qual. Hauptschulabschluss) nichtgymnasiale Bildungsgänge",
     .variants = V::Publishers, .schoolKind = kHauptschule, .electives = E::ThreePerHalfYear, .religionRow = 8,
     .foreignLanguages = 1, .statement = &kQualHauptschulabschluss, .rowsPerColumn = 8, .firstOpenRow = 8,
     .defaultRows = kRowsHauptschule, .slotGroup = SlotGroup::Hauptschule, .editorRows = kEditorHauptschule},
    // The intermediate certificates of the Hauptschule and the Realschule
    // print no religion row.
    {.code = 105, .family = Hauptschule, .kind = F::Intermediate, .lastPage = 2, .captionPrefix = kZwischen,
     .titlePrefix = kZwischen, .layout = L::Hauptschule, .formFile = "Anl105",
     .formTitle = "Zwischen-Zeugnis der Hauptschule", .schoolKind = kHauptschule, .electives = E::TwoPerHalfYear,
     .foreignLanguages = 1, .rowsPerColumn = 8, .firstOpenRow = 8},

    // ---- Realschule ----
    {.code = 10, .family = Realschule, .kind = F::Year, .lastPage = 2, .layout = L::Realschule, .formFile = "Anl010",
     .formTitle = "(Halb-)/Jahres-Zeugnis der Realschule", .schoolKind = kRealschule, .electives = E::TwoPerHalfYear,
     .religionRow = 9, .rowsPerColumn = 9, .firstOpenRow = 8,
     .defaultRows = kRowsRealschule, .slotGroup = SlotGroup::Realschule, .editorRows = kEditorRealschule},
    {.code = 11, .family = Realschule, .kind = F::Transfer, .lastPage = 2, .captionPrefix = kUebergang,
     .titlePrefix = kUebergangT, .layout = L::Realschule, .formFile = "Anl011",
     .formTitle = "Übergangs-Zeugnis der Realschule", .schoolKind = kRealschule, .electives = E::TwoPerHalfYear,
     .religionRow = 9, .rowsPerColumn = 9, .firstOpenRow = 8,
     .defaultRows = kRowsRealschule, .slotGroup = SlotGroup::Realschule, .editorRows = kEditorRealschule},
    {.code = 12, .family = Realschule, .kind = F::Leaving, .lastPage = 2, .captionPrefix = kAbgang,
     .titlePrefix = kAbgangT, .layout = L::RealschuleAbschluss, .formFile = "Anl012",
     .formTitle = "Abgangs-Zeugnis der Realschule", .variants = V::Publishers, .schoolKind = kRealschule,
     .electives = E::TwoPerHalfYear, .religionRow = 9, .stampOrSeal = true, .statement = &kLeavingRealschule,
     .rowsPerColumn = 9, .firstOpenRow = 7,
     .defaultRows = kRowsRealschule, .slotGroup = SlotGroup::Realschule, .editorRows = kEditorRealschule},
    {.code = 13, .family = Realschule, .kind = F::Final, .lastPage = 2,
     .captionPrefix = "Abschlusszeugnis (Realschulabschluss): ",
     .titlePrefix = "Abschluss-Zeugnis (Realschulabschluss): ", .layout = L::RealschuleAbschluss,
     .formFile = "Anl013", .formTitle = "Abschluss-Zeugnis (Realschulabschluss) nichtgymnasiale Bildungsgänge",
     .variants = V::Publishers, .schoolKind = kRealschule, .electives = E::ThreePerHalfYear, .religionRow = 9,
     .statement = &kRealschulabschluss, .rowsPerColumn = 9, .firstOpenRow = 7,
     .defaultRows = kRowsAbschlussRealschule, .slotGroup = SlotGroup::RealschuleAbschluss,
     .editorRows = kEditorAbschluss},
    {.code = 14, .family = Realschule, .kind = F::Final, .lastPage = 2,
     .captionPrefix = "Abschlusszeugnis (qual. Realschulabs.): ",
     .titlePrefix = "Abschluss-Zeugnis (qual. Realschulabschluss)", .layout = L::RealschuleAbschluss,
     .formFile = "Anl014", .formTitle = "Abschluss-Zeugnis (qual. Realschulabschluss) nichtgymnasiale Bildungsgänge",
     .variants = V::Publishers, .schoolKind = kRealschule, .electives = E::ThreePerHalfYear, .religionRow = 9,
     .statement = &kQualRealschulabschluss, .rowsPerColumn = 9, .firstOpenRow = 7,
     .defaultRows = kRowsAbschlussRealschule, .slotGroup = SlotGroup::RealschuleAbschluss,
     .editorRows = kEditorAbschluss},
    {.code = 110, .family = Realschule, .kind = F::Intermediate, .lastPage = 2, .captionPrefix = kZwischen,
     .titlePrefix = kZwischen, .layout = L::Realschule, .formFile = "Anl110",
     .formTitle = "Zwischen-Zeugnis der Realschule", .schoolKind = kRealschule, .electives = E::TwoPerHalfYear,
     .rowsPerColumn = 9, .firstOpenRow = 8},

    // ---- Regionale Schule ----
    {.code = 15, .family = RegionaleSchule, .kind = F::Year, .lastPage = 2, .layout = L::RegionaleSchule,
     .formFile = "Anl015", .formTitle = "(Halb-)/Jahres-Zeugnis der Regionalen Schule", .schoolKind = kRegionale,
     .electives = E::TwoPerHalfYear, .religionRow = 9, .levelMarks = true, .rowsPerColumn = 9, .firstOpenRow = 8,
     .defaultRows = kRowsRealschule, .slotGroup = SlotGroup::RegionaleSchule, .editorRows = kEditorRegionale},
    {.code = 16, .family = RegionaleSchule, .kind = F::Transfer, .lastPage = 2, .captionPrefix = kUebergang,
     .titlePrefix = kUebergangT, .layout = L::RegionaleSchule, .formFile = "Anl016",
     .formTitle = "Übergangs-Zeugnis der Regionalen Schule", .schoolKind = kRegionale, .electives = E::TwoPerHalfYear,
     .religionRow = 9, .levelMarks = true, .rowsPerColumn = 9, .firstOpenRow = 8,
     .defaultRows = kRowsRealschule, .slotGroup = SlotGroup::RegionaleSchule, .editorRows = kEditorRegionale},
    {.code = 17, .family = RegionaleSchule, .kind = F::Leaving, .lastPage = 2, .captionPrefix = kAbgang,
     .titlePrefix = kAbgangT, .layout = L::RegionaleSchuleAbschluss, .formFile = "Anl017",
     .formTitle = "Abgangs-Zeugnis der Regionalen Schule", .variants = V::Publishers, .schoolKind = kRegionale,
     .electives = E::TwoPerHalfYear, .religionRow = 9, .levelMarks = true, .stampOrSeal = true,
     .statement = &kLeavingRegionale, .rowsPerColumn = 9, .firstOpenRow = 8,
     .defaultRows = kRowsRealschule, .slotGroup = SlotGroup::RegionaleSchule, .editorRows = kEditorRegionale},
    // The Berufsreife certificate has one foreign language, so its religion
    // row is one row higher and its table one row shorter.
    {.code = 18, .family = RegionaleSchule, .kind = F::Final, .lastPage = 2,
     .captionPrefix = "Abschlusszeugnis (Berufsreife): ", .titlePrefix = "Abschluss-Zeugnis (Berufsreife): ",
     .layout = L::RegionaleSchuleAbschluss, .formFile = "Anl018",
     .formTitle = "Abschluss-Zeugnis (Berufsreife) nichtgymnasiale Bildungsgänge", .variants = V::Publishers,
     .schoolKind = kRegionale, .electives = E::ThreePerHalfYear, .religionRow = 8, .foreignLanguages = 1,
     .levelMarks = true, .statement = &kBerufsreife, .rowsPerColumn = 8, .firstOpenRow = 8,
     .defaultRows = kRowsHauptschule, .slotGroup = SlotGroup::Berufsreife, .editorRows = kEditorBerufsreife},
    {.code = 19, .family = RegionaleSchule, .kind = F::Final, .lastPage = 2,
     .captionPrefix = "Abschlusszeugnis (Berufsreife m. Leistungsf.): ",
     .titlePrefix = "Abschluss-Zeugnis (Berufsreife m. Leist.): ", .layout = L::RegionaleSchuleAbschluss,
     .formFile = "Anl019",
     .formTitle = "Abschluss-Zeugnis (Berufsreife mit Leistungsfeststellung) nichtgymnasiale Bildungsgänge",
     .variants = V::Publishers, .schoolKind = kRegionale, .electives = E::ThreePerHalfYear, .religionRow = 9,
     .levelMarks = true, .statement = &kBerufsreifeLeistung, .rowsPerColumn = 9, .firstOpenRow = 8,
     .defaultRows = kRowsRealschule, .slotGroup = SlotGroup::BerufsreifeLeistung, .editorRows = kEditorRegionale},
    // The Mittlere Reife refers to one level of demand: no level letters.
    {.code = 20, .family = RegionaleSchule, .kind = F::Final, .lastPage = 2,
     .captionPrefix = "Abschlusszeugnis (Mittlere Reife): ", .titlePrefix = "Abschluss-Zeugnis (Mittlere Reife): ",
     .layout = L::RegionaleSchuleAbschluss, .formFile = "Anl020",
     .formTitle = "Abschluss-Zeugnis (Mittlere Reife) nichtgymnasiale Bildungsgänge", .variants = V::Publishers,
     .schoolKind = kRegionale, .electives = E::ThreePerHalfYear, .religionRow = 9, .statement = &kMittlereReife,
     .rowsPerColumn = 9,
     .firstOpenRow = 8,
     .defaultRows = kRowsAbschlussRealschule, .slotGroup = SlotGroup::MittlereReife, .editorRows = kEditorAbschluss},
    {.code = 115, .family = RegionaleSchule, .kind = F::Intermediate, .lastPage = 2, .captionPrefix = kZwischen,
     .titlePrefix = kZwischen, .layout = L::RegionaleSchule, .formFile = "Anl115",
     .formTitle = "Zwischen-Zeugnis der Regionalen Schule", .schoolKind = kRegionale, .electives = E::TwoPerHalfYear,
     .religionRow = 9, .levelMarks = true, .rowsPerColumn = 9, .firstOpenRow = 8},

    // ---- Gymnasium ----
    {.code = 21, .family = Gymnasium, .kind = F::Year, .lastPage = 2, .layout = L::Gymnasium, .formFile = "Anl021",
     .formTitle = "(Halb-)/Jahres-Zeugnis des Gymnasiums", .schoolKind = kGymnasium, .electives = E::TwoPerHalfYear,
     .religionRow = 9, .rowsPerColumn = 9, .firstOpenRow = 9,
     .defaultRows = kRowsGymnasium, .slotGroup = SlotGroup::Gymnasium, .editorRows = kEditorGymnasium,
     .examinationData = true},
    {.code = 22, .family = Gymnasium, .kind = F::Transfer, .lastPage = 2, .captionPrefix = kUebergang,
     .titlePrefix = kUebergangT, .layout = L::Gymnasium, .titleNamesPage = true, .formFile = "Anl022",
     .formTitle = "Übergangs-Zeugnis des Gymnasiums", .schoolKind = kGymnasium, .electives = E::TwoPerHalfYear,
     .religionRow = 9, .rowsPerColumn = 9, .firstOpenRow = 9,
     .defaultRows = kRowsGymnasium, .slotGroup = SlotGroup::Gymnasium, .editorRows = kEditorGymnasium},
    {.code = 23, .family = Gymnasium, .kind = F::Leaving, .captionPrefix = kAbgang, .titlePrefix = kAbgangT,
     .layout = L::GymnasiumAbgang, .formFile = "Anl023", .formTitle = "Abgangs-Zeugnis des Gymnasiums",
     .variants = V::Publishers, .bsnPaper = "(bsn 510 951 (od. 954) 00 12/04)", .schoolKind = kGymnasium,
     .electives = E::TwoPerHalfYear, .religionRow = 10, .rightReligion = true, .rowsPerColumn = 8,
     .defaultRows = kRowsGymnasiumAbgang, .slotGroup = SlotGroup::GymnasiumAbgang, .editorRows = kEditorGymnasiumAbgang,
     .developmentText = false, .absences = false},
    // The examination certificates share one form file and have no subject
    // rows of their own: their slots take the rows of the year certificate.
    {.code = 24, .family = Gymnasium, .kind = F::Examination, .captionPrefix = "Prüfungszeugnis (BESTANDEN): ",
     .titlePrefix = "Versetzungs-/Prüfungs-Zeugnis (BESTANDEN): ", .layout = L::GymnasiumPruefung,
     .formFile = "Anl024", .formTitle = "Prüfungs-Zeugnis des Gymnasiums",
     .schoolKind = "des Gymnasiums / der Integrierten Gesamtschule", .electives = E::TwoPerHalfYear,
     .religionRow = 9, .rightReligion = true, .examination = true, .slotRowsOf = 21,
     .defaultRows = kRowsGymnasiumPruefung, .slotGroup = SlotGroup::GymnasiumPruefung, .editorRows = kEditorGymnasium,
     .developmentText = false, .examinationData = true, .examinationPassed = true},
    {.code = 25, .family = Gymnasium, .kind = F::Examination, .captionPrefix = "Prüfungszeugnis (NICHT bestanden): ",
     .titlePrefix = "Versetzungs-/Prüfungs-Zeugnis (NICHT best.): ", .layout = L::GymnasiumPruefung,
     .formFile = "Anl024", .formTitle = "Prüfungs-Zeugnis (NICHT bestanden) des Gymnasiums",
     .schoolKind = "des Gymnasiums / der Integrierten Gesamtschule", .electives = E::TwoPerHalfYear,
     .religionRow = 9, .rightReligion = true, .examination = true, .slotRowsOf = 21,
     .defaultRows = kRowsGymnasiumPruefung, .slotGroup = SlotGroup::GymnasiumPruefung, .editorRows = kEditorGymnasium,
     .developmentText = false, .examinationData = true},
    {.code = 121, .family = Gymnasium, .kind = F::Intermediate, .lastPage = 2, .captionPrefix = kZwischen,
     .titlePrefix = "Zwischen-Zeugnis: ", .layout = L::Gymnasium, .formFile = "Anl121",
     .formTitle = "Zwischen-Zeugnis des Gymnasiums", .schoolKind = kGymnasium, .electives = E::TwoPerHalfYear,
     .religionRow = 9, .rowsPerColumn = 9, .firstOpenRow = 9},

    // ---- Integrierte Gesamtschule ----
    // Classes 5 and 6: rows 2 and 3 print their subjects as they are.
    {.code = 26, .family = Gesamtschule, .kind = F::Year, .lastPage = 2, .layout = L::Gesamtschule56,
     .formFile = "Anl026", .formTitle = "Jahreszeugnis Kl. 5+6 der Integrierten Gesamtschule",
     .schoolKind = kGesamtschule, .religionRow = 6, .foreignLanguages = 0, .rowsPerColumn = 6, .firstOpenRow = 5,
     .defaultRows = kRowsGesamtschule56, .slotGroup = SlotGroup::Gesamtschule56, .editorRows = kEditorGesamtschule56},
    {.code = 27, .family = Gesamtschule, .kind = F::Year, .lastPage = 2, .layout = L::Gesamtschule,
     .formFile = "Anl027", .formTitle = "Jahreszeugnis Kl. 7-10 der Integrierten Gesamtschule",
     .schoolKind = kGesamtschule, .electives = E::ThreePerHalfYear, .religionRow = 9, .levelMarks = true,
     .rowsPerColumn = 9, .firstOpenRow = 9,
     .defaultRows = kRowsGesamtschule, .slotGroup = SlotGroup::Gesamtschule, .editorRows = kEditorGesamtschule},
    {.code = 28, .family = Gesamtschule, .kind = F::Leaving, .lastPage = 2, .captionPrefix = kAbgang,
     .titlePrefix = kAbgangT, .layout = L::GesamtschuleAbgang, .formFile = "Anl028",
     .formTitle = "Abgangszeugnis der Integrierten Gesamtschule", .variants = V::Publishers,
     .schoolKind = kGesamtschule, .electives = E::ThreePerHalfYear, .religionRow = 9, .levelMarks = true,
     .stampOrSeal = true, .statement = &kLeavingGesamtschule, .rowsPerColumn = 9, .firstOpenRow = 8,
     .defaultRows = kRowsRealschule, .slotGroup = SlotGroup::GesamtschuleAbgang,
     .editorRows = kEditorGesamtschuleAbgang},
    {.code = 29, .family = Gesamtschule, .kind = F::Transfer, .lastPage = 2, .captionPrefix = kUebergang,
     .titlePrefix = kUebergangT, .layout = L::Gesamtschule, .formFile = "Anl029",
     .formTitle = "Übergangszeugnis der Integrierten Gesamtschule", .schoolKind = kGesamtschule,
     .electives = E::ThreePerHalfYear, .religionRow = 9, .levelMarks = true, .rowsPerColumn = 9,
     .firstOpenRow = 8,
     .defaultRows = kRowsRealschule, .slotGroup = SlotGroup::GesamtschuleAbgang,
     .editorRows = kEditorGesamtschuleAbgang},
    {.code = 127, .family = Gesamtschule, .kind = F::Intermediate, .lastPage = 2, .captionPrefix = kZwischen,
     .titlePrefix = kZwischen, .layout = L::Gesamtschule, .formFile = "Anl127",
     .formTitle = "Zwischen-Zeugnis der Integrierten Gesamtschule", .schoolKind = kGesamtschule,
     .electives = E::ThreePerHalfYear, .religionRow = 9, .levelMarks = true, .rowsPerColumn = 9,
     .firstOpenRow = 9},

    // ---- Förderschule and Schule zur individuellen Lebensbewältigung ----
    // Forms the decision names but that have no printout yet.
    {.code = 30, .family = Foerderschule, .kind = F::Year},
    {.code = 31, .family = Foerderschule, .kind = F::Transfer},
    {.code = 32, .family = Foerderschule, .kind = F::Year,
     .editorRows = kEditorFoerderschule, .subjectChoice = true},
    {.code = 33, .family = Foerderschule, .kind = F::Transfer},
    {.code = 34, .family = Foerderschule, .kind = F::Year,
     .editorRows = kEditorFoerderschule, .subjectChoice = true},
    {.code = 35, .family = Foerderschule, .kind = F::Final,
     .editorRows = kEditorFoerderschule, .developmentText = false, .absences = false, .subjectChoice = true},
    {.code = 36, .family = Foerderschule, .kind = F::Transfer,
     .editorRows = kEditorFoerderschule, .subjectChoice = true},
    // A code the annex decision never gives; a record laid out for it is
    // edited like the other Förderschule forms.
    {.code = 37, .family = Foerderschule, .kind = F::Year,
     .editorRows = kEditorFoerderschule, .absences = false, .subjectChoice = true},
    {.code = 38, .family = Foerderschule, .kind = F::Final,
     .editorRows = kEditorFoerderschule, .developmentText = false, .absences = false, .subjectChoice = true},
    {.code = 130, .family = Foerderschule, .kind = F::Intermediate},
    {.code = 39, .family = Lebensbewaeltigung, .kind = F::Year},
    {.code = 40, .family = Lebensbewaeltigung, .kind = F::Final,
     .absences = false},
    {.code = 42, .family = Lebensbewaeltigung, .kind = F::Transfer},
    // The leaving certificate of the Förderschule is printed as the receipt.
    {.code = 41, .family = Foerderschule, .kind = F::Receipt, .captionPrefix = "Empfangsbekenntnis: ",
     .titlePrefix = "Empfangsbekenntnis: ", .layout = L::Empfangsbekenntnis, .certificatePreamble = false,
     .formFile = "Anl041", .formTitle = "Empfangsbekenntnis",
     .editorRows = kEditorFoerderschule, .developmentText = false, .absences = false, .subjectChoice = true},
    // The receipt acknowledgement: no certificate of its own, but a record
    // laid out for it is edited like the Förderschule forms.
    {.code = 43, .family = Foerderschule, .kind = F::Receipt,
     .editorRows = kEditorReceipt, .absences = false, .subjectChoice = true},

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

std::string AnnexNumberText(int code)
{
    const AnnexForm* f = FindAnnexForm(code);
    return f && f->number ? f->number : std::to_string(code);
}

SlotGroup SlotGroupOf(int code)
{
    const AnnexForm* f = FindAnnexForm(code);
    return f ? f->slotGroup : SlotGroup::None;
}

int DefaultFormOf(SchoolType schoolType)
{
    using enum SchoolType;
    switch (schoolType) {
    case Grundschule: return 3;
    case RegionaleSchule: return 15;
    case IntegrierteGesamtschule: return 27;
    case Gymnasium: return annex::GymnasiumJahr;
    case Hauptschule: return 5;
    case Realschule: return 10;
    default: return 15;
    }
}

int ReligionRowOf(int code)
{
    const AnnexForm* f = FindAnnexForm(code);
    return f ? f->religionRow : 0;
}

} // namespace ruvek
