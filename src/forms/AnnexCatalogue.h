#pragma once
// The catalogue of certificate forms: one row per annex code with every fact
// about that form the program uses — its family and kind, the pages and the
// preview and document title prefixes, the layout routine that draws it, the
// form control file with its publisher variants, the school-kind line of its
// title, its elective block, its religion row, whether it prints level
// letters, whether it is an examination certificate, and the rows of its
// subject table. The decision table of the print commands, the editor's
// visibility rules, the slot adaptation, the subject-wise lists, the grade
// overview, the subject tables and the print plan all read this table.
//
// The catalogue names a layout routine by an identifier; the layouts
// library maps identifiers to routines, so this library depends on nothing
// but the standard library.
#include "common/AnnexCodeSet.h"
#include "common/DomainValues.h"

#include <array>
#include <span>
#include <string>

namespace ruvek {

enum class FormFamily {
    Grundschule,
    Orientierungsstufe,
    Hauptschule,
    Realschule,
    RegionaleSchule,
    Gymnasium,
    Gesamtschule,
    Foerderschule,
    Lebensbewaeltigung,
    Report,     // the learning-development report
    DataSheet,  // the student data sheet
};

enum class FormKind {
    Year,          // half-year and year certificate
    Transfer,      // Übergangszeugnis
    Leaving,       // Abgangszeugnis
    Final,         // Abschlusszeugnis (also the qualified one)
    Examination,   // transfer to the upper level with examination
    Intermediate,  // Zwischenzeugnis
    Receipt,       // Empfangsbekenntnis
    Report,
    DataSheet,
};

// The drawing routines of the layouts library.
enum class LayoutId {
    None,  // no printout built in
    Grundschule1,
    Grundschule,
    Orientierungsstufe,
    Hauptschule,
    HauptschuleAbschluss,
    Realschule,
    RealschuleAbschluss,
    RegionaleSchule,
    RegionaleSchuleAbschluss,
    Gymnasium,
    GymnasiumAbgang,
    GymnasiumPruefung,
    Gesamtschule56,
    Gesamtschule,
    GesamtschuleAbgang,
    Empfangsbekenntnis,
    Lernentwicklungsbericht,
    Datenblatt,
};

// The publisher variants of a form control file ("_1031" for bsn, "_2030"
// and "_2031" for Kohlhammer by the size of the coat of arms).
enum class FormVariants {
    None,
    Publishers,
    KohlhammerOnly,  // no bsn form exists; the bsn choice keeps the plain file
};

// The statement of a leaving or final certificate, printed in place of the
// learning-development text (UTF-8; nullptr: the line is not printed). A
// leaving statement strikes the pronoun of "seiner/ihrer" that does not
// apply and names the year level left; some final statements write the
// overall distinction into the gap of their closing line.
struct FormStatement {
    const char* first;          // the first line
    const char* second;         // the second line
    const char* qualification;  // the qualification or the school left
    const char* closing;        // the closing line
    bool leaving;
    bool distinction;
};

// A row of the default subject catalogue on a form: the subject (its UTF-8
// name in the default catalogue) printed in that row of the subject table.
struct DefaultSubjectRow {
    int row;
    const char* subject;
};

// The forms whose subject slots the slot adaptation lays out alike: when a
// record changes between two forms of different groups, the operations of
// that pair of groups rearrange its slots.
enum class SlotGroup {
    None,  // the slots are never rearranged for or from this form
    Grundschule1,
    Grundschule,
    Hauptschule,          // year, transfer, leaving and final certificates
    Realschule,           // year, transfer and leaving certificates
    RealschuleAbschluss,  // the final certificates
    RegionaleSchule,      // year, transfer and leaving certificates
    BerufsreifeLeistung,  // the Berufsreife with performance assessment
    Berufsreife,
    MittlereReife,
    Gymnasium,            // year and transfer certificates
    GymnasiumPruefung,    // the examination certificates
    GymnasiumAbgang,
    Gesamtschule56,
    Gesamtschule,         // the year certificate of classes 7 to 10
    GesamtschuleAbgang,   // leaving and transfer certificates
    Orientierungsstufe,
};

// The elective block: W1, W4 (first half-year) and W2, W5 (second), or all
// six rows W1..W3 and W4..W6.
enum class Electives { None, TwoPerHalfYear, ThreePerHalfYear };

struct AnnexForm {
    int code = 0;
    FormFamily family = FormFamily::Grundschule;
    FormKind kind = FormKind::Year;
    int firstPage = 1;
    int lastPage = 1;
    // Preview caption and printer document title prefixes; nullptr stands
    // for the half-year or year wording chosen by the record's Halbjahr1.
    const char* captionPrefix = nullptr;
    const char* titlePrefix = nullptr;
    LayoutId layout = LayoutId::None;
    // Certificates get the page preamble (correction corners, the frame by
    // MitRahmen); the other sheets (receipt, report) draw everything themselves.
    bool certificatePreamble = true;
    // A printer document holding only one page names it in its title.
    bool titleNamesPage = false;
    // The form control file without ".FST" (nullptr: none) and its default
    // title (UTF-8), shown in the print questions.
    const char* formFile = nullptr;
    const char* formTitle = nullptr;
    FormVariants variants = FormVariants::None;
    const char* bsnPaper = "(bsn 510 960 00 12/04)";  // the bsn paper named in the title
    // The second title line ("der Regionalen Schule"); nullptr: the layout's own.
    const char* schoolKind = nullptr;
    Electives electives = Electives::None;
    // The row kept for a religion or philosophy subject (0: none). With
    // rightReligion the printed table shows it in the right column instead.
    int religionRow = 0;
    bool rightReligion = false;
    // Foreign language rows of the subject table (rows 2 and 3); 0 on a form
    // whose rows 2 and 3 print their subjects as they are.
    int foreignLanguages = 2;
    bool levelMarks = false;        // prints the level letters of the grades
    bool examination = false;       // certificate of the transfer examination
    // A final or leaving certificate sealed with "Stempel/Siegel" (the stamp
    // struck through) rather than with the seal alone.
    bool stampOrSeal = false;
    // The statement of a leaving or final certificate (nullptr: none).
    const FormStatement* statement = nullptr;
    // The form whose subject rows the slots take (0: its own).
    int slotRowsOf = 0;
    // Subject table: rows per column and the first row printed open for a
    // subject of the student's choice (0: the layout's own).
    int rowsPerColumn = 0;
    int firstOpenRow = 0;
    // The rows the default subject catalogue gives its subjects on this form.
    // Rows not named are left free for the subjects chosen per student
    // (foreign languages, religion/philosophy, electives).
    std::span<const DefaultSubjectRow> defaultRows{};
    SlotGroup slotGroup = SlotGroup::None;

    // What the record editor shows for a record laid out for this form (the
    // intermediate certificates follow a rule of their own there).
    //
    // The subject rows 1..18, one letter each: L the row's label, A, B or C
    // its selector offering subject list A, B or C, - the row hidden; a
    // lower-case letter adds the row's level selector. nullptr: no row.
    const char* editorRows = nullptr;
    // The learning-development text and the absences are entered; a form
    // with a statement has neither.
    bool developmentText = true;
    bool absences = true;
    // The examination data are entered: on the examination certificates and
    // on the year certificate whose rows they take.
    bool examinationData = false;
    // A Förderschule form whose subject rows are chosen per student: the
    // grade buttons of the elective page are shown as for a form with
    // electives.
    bool subjectChoice = false;

    // The certificate of a passed examination (it prints the absences).
    bool examinationPassed = false;
    // How the form's number is written where it is not its code ("4a").
    const char* number = nullptr;
};

namespace annex {
inline constexpr int Lernentwicklungsbericht = 170;
inline constexpr int Datenblatt = 200;
} // namespace annex

namespace catalogue_text {
inline constexpr const char* kUebergang = "Übergangszeugnis: ";
inline constexpr const char* kUebergangT = "Übergangs-Zeugnis: ";
inline constexpr const char* kAbgang = "Abgangszeugnis: ";
inline constexpr const char* kAbgangT = "Abgangs-Zeugnis: ";
inline constexpr const char* kZwischen = "Zwischenzeugnis: ";
inline constexpr const char* kRegionale = "der Regionalen Schule";
inline constexpr const char* kGesamtschule = "der Integrierten Gesamtschule";
inline constexpr const char* kGymnasium = "des Gymnasiums";
inline constexpr const char* kHauptschule = "der Hauptschule";
inline constexpr const char* kRealschule = "der Realschule";
} // namespace catalogue_text

// Every form, in the order the print commands list them.
std::span<const AnnexForm> AnnexCatalogue();

// The row of an annex code; nullptr for a code without one.
const AnnexForm* FindAnnexForm(int code);

// The codes whose rows satisfy `pred` (a listed set).
template <class Pred>
AnnexCodeSet AnnexCodesWhere(Pred pred)
{
    AnnexCodeSet set;
    for (const AnnexForm& f : AnnexCatalogue())
        if (pred(f))
            set.add(f.code);
    return set;
}

// The elective block of a code's form (None for a code without a row).
Electives ElectivesOf(int code);
// Number of elective rows printed per half-year: 0, 2 or 3.
int ElectiveRowsOf(int code);

// True for the certificates of the transfer examination.
bool IsExaminationForm(int code);

// The form whose subject rows the slots of a record on `code` take.
int SlotRowsForm(int code);

// The second title line of a code's form; "" for none.
const char* SchoolKindOf(int code);

// The number of a code's form as the user reads it: its written number
// ("4a") or the code.
std::string AnnexNumberText(int code);

// The slot group of a code's form; None for a code without a row.
SlotGroup SlotGroupOf(int code);

// The form a new record of the school type is laid out for: Grundschule 3,
// Regionale Schule 15, Gesamtschule 27, Gymnasium 21, Hauptschule 5,
// Realschule 10, any other school type 15.
int DefaultFormOf(SchoolType schoolType);

// The religion row of a code's form; 0 for none or a code without a row.
int ReligionRowOf(int code);

} // namespace ruvek
