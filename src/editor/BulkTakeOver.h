#pragma once
// Handing data of the current student on to all following students: the
// head-data buttons of the editor (value taken from the control) and the
// subject commands of the menu "für ALLE folgenden Schüler übernehmen"
// (subject names taken from the current record's slots).
//
// Both ask once, before they change any other student, how many students
// they will change: nothing of it can be undone.
#include "classfile/OpenClass.h"
#include "common/Prompter.h"
#include "settings/FachKatalog.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ruvek::editor {

// The question asked before a bulk command changes `count` other students.
// `subject` names what is handed on, with its verb: "Der Zeugnistyp wird".
std::string takeOverQuestion(std::string_view subject, std::size_t count);

// ---- Head-data buttons ----

enum class HeadButton {
    Zeugnistyp,       // BitBtn2: ComboBox41 index -> ZgnTyp
    SchuljahrKlasse,  // BitBtn3: Edit63, Edit65, CheckBox6 -> SjBeginn, Klasse, Halbjahr1
    Schuljahr,        // BitBtn17: Edit63, CheckBox6 -> SjBeginn, Halbjahr1
    Klassenlehrer,    // BitBtn4: Edit66 -> KlLehrer
    Jahrgangsstufe,   // BitBtn8: ComboBox42 index -> Klassenstufe
    Abschlussart,     // BitBtn19: RadioGroup1 index -> AbschlArt
    Anspruchsebene,   // BitBtn24 (ComboBox45), BitBtn20 (ComboBox43): index -> Ebene
    Klassenart,       // BitBtn28: RadioGroup2 index -> Klassenart
    Pruefung,         // BitBtn18: CheckBox5 -> UePruefung
    Empfehlung,       // BitBtn9: RadioGroup4 index -> Empfehlung (no stop at an unnamed record)
    ZeugnisOrtDatum,  // BitBtn5: Edit69, MaskEdit4 -> ZgnOrt, ZgnDatum
};

// The value a head-data button takes from its controls. Texts are
// Windows-1252; each is cut to its field (the date to 10 characters).
struct HeadValue {
    int index = 0;       // selector or radio group index
    std::string text;    // Edit63, Edit66 or Edit69
    std::string text2;   // Edit65 or MaskEdit4
    bool checked = false; // CheckBox6 or CheckBox5
};

// Whether the button writes fields the annex decision reads, so that the
// reached records' annex and subject slots have to follow.
bool changesAnnexData(HeadButton button);

// What the question names, with its verb.
std::string headButtonSubject(HeadButton button);

// The records the button writes: from the current record on, by the rule
// of the following students (the recommendation goes to every active record
// to the end).
std::vector<std::size_t> headTargets(const OpenClass& oc, HeadButton button);

struct TakeOverResult {
    bool done = false;          // the records were written
    bool error = false;         // the command's error message was shown
    std::size_t changed = 0;    // records written other than the current one
};

// A head-data button. Asks once when other students are reached (No leaves
// everything as it was), then writes the value into every reached record,
// the current one included, and sets the changed flag. The form is neither
// stored nor shown. Every reached record other than the current one gets
// its annex and subject slots brought up to date as storing and showing it
// in the editor would (the current record is in the form, whose next store
// and show do the same for it); warnings of that appear once each.
TakeOverResult takeOverHead(OpenClass& oc, HeadButton button, const HeadValue& value, const TFachKatalog& kat,
                            Prompter& prompter);

// ---- Subject commands ----

enum class SubjectCommand {
    Fremdsprache1,  // "1. Fremdsprache"
    Fremdsprache2,  // "2. Fremdsprache"
    Religion,       // "Religion/Phil. m. K."
    ZusatzFach,     // "(erstes) zusätzliches Fach"
    Wahlpflicht1,   // "Wahlpflicht 1. HJ"
    Wahlpflicht2,   // "Wahlpflicht 2. HJ"
    Wahlpflicht12,  // "Wahlpflicht 1.+2. HJ"
};

inline constexpr const char* kMsgNoSuchSubject = "Das aktuelle Zeugnis enthält das zu übertragende Fach nicht!";
inline constexpr const char* kMsgNoElectives = "Das aktuelle Zeugnis enthält keine Wahlpflichtfächer!";

bool isElectiveCommand(SubjectCommand command);
std::string subjectCommandSubject(SubjectCommand command);

// The slots of the positions p1..p6 in a record of the given annex (0: the
// layout does not fill that position); nullopt when the annex has no such
// subject. The first four commands use p1 only. `reading` chooses between
// the slots read from the current record and those written into the
// following ones, which differ for the first foreign language.
using PositionSlots = std::array<int, 6>;
std::optional<PositionSlots> subjectSlots(SubjectCommand command, int annex, bool reading);

// A subject command, after the form has been stored: reads the name(s)
// from the current record's slots for its annex (error message when it has
// none); only when the first name sorts after "???", asks once and writes
// them into the slots of every following student after the current record
// whose annex has the subject. The current index stays; the record is not
// shown again.
TakeOverResult takeOverSubjects(OpenClass& oc, SubjectCommand command, Prompter& prompter);

} // namespace ruvek::editor
