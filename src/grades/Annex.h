#pragma once
// The annex decision: which certificate form (annex of the certificate
// decree, stored in `Anlage`) a record is printed on, decided from its head
// data and the school type of the installation.
#include "classfile/ZgnRec.h"
#include "common/DomainValues.h"
#include "settings/FachKatalog.h"

#include <optional>
#include <string>
#include <string_view>

namespace ruvek {

// The year of a school-year text: the text (blanks around it ignored) read
// as a whole decimal number (anything else gives 0); 2000..2069 stand for
// themselves, 1..69 give 2000 + value, 70..99 give 1900 + value, any other
// value gives 0.
int YearOfText(std::string_view text);

// The orientation stage applies at class level 5 from the school year 2006
// and at class level 6 from 2007.
bool OrientationRule(int klassenstufe, int year);

// The annex code for the head data of rec (ZgnTyp, Klassenstufe, SjBeginn,
// AbschlArt, Klassenart, Bestanden) at the school type schultyp.
// Every combination without a form gives 0.
int DetermineAnnex(const TZgnRec& rec, SchoolType schultyp);

// The text of the annex display of the editor (Edit7, Edit8): "4a" when the
// stored Anlage is 104, else the decimal value of DetermineAnnex for the
// stored head data.
std::string AnnexDisplayText(const TZgnRec& rec, SchoolType schultyp);

// The schools whose final certificates follow the secondary school forms:
// Regionale Schule, Integrierte Gesamtschule, Hauptschule and Realschule.
bool SecondaryFinalSchool(SchoolType s);

// ComboBox38Change: the grade of the chosen 4th examination subject. The
// subject is the last catalogue entry 1..50 whose abbreviation equals
// chosenKurz (Windows-1252); the grade is the `Note` of the last of the
// slots 1..16 carrying that subject's full name. nullopt when there is no
// such subject or slot (Edit75 then keeps its text).
std::optional<std::string> ExamSubjectGrade(const TFachKatalog& kat, const TZgnRec& rec, std::string_view chosenKurz);

} // namespace ruvek
