#pragma once
// Show and store: the two directions between a student record and the
// editor's controls, as plain functions over FormValues.
//
// Show fills every bound control from the record (in the order the head
// controls depend on each other), lays the subject slots out anew when the
// annex changed, and decides the annex-dependent visibility, the selector
// lists, the label colours and the recommendation hint. Store copies the
// controls back in table order, decides the annex from the stored head data,
// and converts the grades when the level of demand changed since the show.
#include "classfile/ZgnRec.h"
#include "common/DomainValues.h"
#include "common/Prompter.h"
#include "editor/FormPatch.h"
#include "editor/FormValues.h"
#include "editor/HeadVisibility.h"
#include "grades/Annex.h"
#include "grades/LevelConversion.h"
#include "settings/FachKatalog.h"

#include <optional>
#include <string>
#include <vector>

namespace ruvek {
struct Installation;
}

namespace ruvek::editor {

// What show and store need besides the record. Texts are Windows-1252.
struct ShowContext {
    SchoolType schoolType = SchoolType::NichtAusgewaehlt;
    TFachKatalog katalog = defaultFachKatalog();
    TFachListen lists;                   // subject lists A/B/C and the examination subjects
    std::vector<std::string> electives;  // the elective names for ComboBoxW1..W6
    bool zeigeZusatz = false;            // program setting ZeigeZusatz is 1
    bool zeigeGeloeschte = false;        // program setting ZeigeGeloeschte is 1
    int recordIndex = 0;                 // for Edit12 (shown as index + 1)
    int recordCount = 1;                 // for Edit13

    // The context for an installation's settings, catalogue and elective list.
    static ShowContext FromInstallation(const Installation& installation);
};

// ---- The fixed entry lists of the selectors (Windows-1252) ----
const std::vector<std::string>& CertificateTypeItems(); // ComboBox41
const std::vector<std::string>& ClassLevelItems();      // ComboBox42: "??", "1".."10"
const std::vector<std::string>& PraedikatItems();       // ComboBox44
const std::vector<std::string>& QualificationItems();   // RadioGroup1
const std::vector<std::string>& ClassKindItems();       // RadioGroup2
const std::vector<std::string>& LevelOfDemandItems();   // ComboBox43, ComboBox45
const std::vector<std::string>& RecommendationItems();  // RadioGroup4
// The level letters of the level selectors ComboBox1..ComboBox24.
std::vector<std::string> LevelLetterItems(SchoolType schoolType);
// The entries a selector control offers for a record laid out for annex
// `anlageFaecher` (empty for controls that are no selectors).
std::vector<std::string> SelectorItems(ControlId control, int anlageFaecher, const ShowContext& context);

// ---- Pieces of show that the live handlers reuse ----

// The school-year check for the text t of Edit63: the text Edit63 keeps
// (a two-digit year becomes "20" + t) and the text of Edit64.
struct SchoolYearCheck {
    std::string edit63;
    std::string edit64;
    bool operator==(const SchoolYearCheck&) const = default;
};
SchoolYearCheck CheckSchoolYear(std::string_view text);

// The examination subject's grade for Edit75 and the subject's full name
// (remembered for the label colours); nullopt when no slot carries it.
struct ExamSubject {
    std::string grade;
    std::string subject;
};
std::optional<ExamSubject> FindExamSubject(const TZgnRec& rec, const TFachKatalog& katalog);

// The visibility of the controls the certificate type's and the
// qualification's handlers switch, as the form has it, and the patch that
// applies a new one.
HeadVisibility HeadVisibilityOf(const FormValues& form);
void SetHeadVisibility(FormPatch& patch, const HeadVisibility& head);

// The caption of Label63 for the recommendation value.
std::string RecommendationLabel(int empfehlung);

// ---- Show and store ----

// Shows a record whose subject slots are laid out already: nothing in the
// record changes.
FormValues Show(const TZgnRec& rec, const ShowContext& context);

// The show the editor does: as Show, but first AnlageFaecher := Anlage and
// the subject slots are laid out anew when the annex changed (which may
// warn through the prompter).
FormValues ShowRecord(TZgnRec& rec, const ShowContext& context, Prompter& prompter);

// A typed value that store refused: a grade the school type's notation does
// not know, or a date the calendar lacks. Its field keeps the stored value.
struct RefusedEntry {
    ControlId control;
    std::string field;   // the field's caption (UTF-8): "Bewertung Deutsch (Zeile 1)", "Geburtsdatum"
    std::string text;    // what was typed (UTF-8)
    std::string reason;  // "keine gültige Bewertung. Erlaubt sind: ..."
    bool operator==(const RefusedEntry&) const = default;
};

// One German message for the refused entries of a store, naming each field,
// what was typed and what is allowed.
std::string RefusedEntriesMessage(const std::vector<RefusedEntry>& refused);

struct StoreOutcome {
    // The record differs from the snapshot in a field change detection
    // watches: the caller sets the changed flag.
    bool differs = false;
    // Set when Ebene differs from the level at show: what the conversion did.
    // Converted: the caller sets the changed flag and brings the page
    // "Fächer u. Bewertungen" to the front.
    std::optional<LevelConversionResult> conversion;
    // Grade and date fields whose typed text was not stored.
    std::vector<RefusedEntry> refused;
};

// Copies the form into rec in table order (a grade the notation refuses or a
// date the calendar lacks is not stored: see StoreOutcome::refused), then AnlageAlt := Anlage and
// Anlage := the annex of the stored head data, compares with the snapshot,
// and converts the grades when Ebene changed from levelAtShow.
StoreOutcome Store(const FormValues& form, TZgnRec& rec, const TZgnRec& snapshot, int levelAtShow,
                   const ShowContext& context, Prompter& prompter);

// Change detection: a and b differ in one of the watched fields (the head
// and foot data, the annex codes, every field of the 25 slots, the three
// texts over their full length).
bool DiffersInWatchedFields(const TZgnRec& a, const TZgnRec& b);

} // namespace ruvek::editor
