#pragma once
// The subject-wise grade entry ("Schüler-Fach-Übersicht"): one row per
// listed student, and for the chosen subject each student's level letter,
// grade and addition. Rows find their record by key number, class and
// "Name, Vorname", so sorting the rows never sends a grade to another
// student. Cell texts are UTF-8.
#include "classfile/ClassFile.h"
#include "common/DomainValues.h"
#include "common/Prompter.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace ruvek {

enum SubjectEntryColumn { ColId = 0, ColKlasse, ColName, ColNiveau, ColNote, ColZusatz, kSubjectEntryColumns };

using SubjectEntryRow = std::array<std::string, kSubjectEntryColumns>;

// Header texts and pixel widths of the table's columns.
inline constexpr std::array<const char*, kSubjectEntryColumns> kSubjectEntryHeaders = {
    "ID", "Klasse", "Name, Vorname", "Ansp.", "Bew.", "Zus."};
// The level column is narrow except where levels are given per subject
// (school types 0, 2 and 3); the addition column only with ZeigeZusatz.
std::array<int, kSubjectEntryColumns> subjectEntryWidths(SchoolType schoolType, bool zeigeZusatz);

// The cell text of a student without the subject.
inline constexpr std::string_view kNoSubjectMark = "XX";

// Whether the subject chosen is no subject ("???" or "  - - -").
bool isNoSubject(std::string_view subjectUtf8);

// "Name, Vorname" as the table shows it: the name with its separator cut to
// 32 characters, the whole to 62.
std::string nameColumn(const TZgnRec& rec);

// The student columns: one row per active record with a name (not "???",
// "  - - -" or empty), in list order. Subject columns empty.
std::vector<SubjectEntryRow> studentRows(const TDB2& records);

// The first slot 1..18 whose subject equals the subject name; 0 when none.
int subjectSlot(const TZgnRec& rec, std::string_view subjectUtf8);

// Fills columns 3..5 of every row for the subject: the slot's level, grade
// and addition, "XX" for a student without the subject; rows without a
// record stay as they are. No subject empties the columns.
void fillSubjectColumns(std::vector<SubjectEntryRow>& rows, const TDB2& records, std::string_view subjectUtf8);

struct SubjectWriteBack {
    int notFound = 0;
    int withoutSubject = 0;
    bool changed = false;   // a record received a value it did not hold
};

// Writes the rows back into the records: level FirstCellChar, grade as the
// record editor stores a typed grade, the first two characters of the
// addition. Rows showing "XX" are skipped.
SubjectWriteBack writeBackSubject(const std::vector<SubjectEntryRow>& rows, TDB2& records,
                                  std::string_view subjectUtf8);

// The error and warning after a write back, when there is anything to say.
void reportWriteBack(const SubjectWriteBack& result, std::string_view subjectUtf8, Prompter& prompter);

// Sorts the rows by column 1 or 2, comparing the texts by their character
// codes; equal rows keep their order.
void sortRows(std::vector<SubjectEntryRow>& rows, int column, bool ascending);

// "ALLE Bewertungen (u. Zus.) löschen" in the table: "-" as level and grade,
// no addition, for every row that does not show "XX".
void clearSubjectColumns(std::vector<SubjectEntryRow>& rows);

inline constexpr const char* kAskClearAll =
    "Wollen Sie wirklich alle Bewertungen, Zusätze (,Niveauangaben) löschen?";
inline constexpr const char* kAskTakeOverOnCancel =
    "Sollen die veränderten Daten\nseit dem letzten Fächerwechsel\nnoch übernommen werden?";

} // namespace ruvek
