#pragma once
// The annex decision: which certificate form (annex of the certificate
// decree, stored in `Anlage`) a record is printed on, decided from its head
// data and the school type of the installation; and the live reactions of
// the head selectors of the record editor, as plain functions over a set of
// visibility flags, so the editor only has to apply them to its widgets.
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

// Visibility of the head controls that the certificate-type selector
// (ComboBox41) and the qualification selector (RadioGroup1) switch. Each
// flag is named after its control.
struct HeadVisibility {
    bool GroupBox3 = true;   // "für Übergangs-Zeugnis"
    bool Label45 = true;     // "Jahrgangsstufe "
    bool Edit68 = true;
    bool Label71 = true;     // predicate pair
    bool ComboBox44 = true;
    bool RadioGroup1 = true; // qualification pair
    bool BitBtn19 = true;
    bool GroupBox6 = true;   // "Prüfungsdaten"
    bool GroupBox8 = true;   // "Fehlzeiten"
    bool Memo2 = true;       // report text with its label and button
    bool Label32 = true;
    bool BitBtn13 = true;
    bool operator==(const HeadVisibility&) const = default;
};

// ComboBox41Change: the certificate type zgnTyp was chosen.
// Shows and hides the controls for that type and school type, then applies
// RadioGroup1Click. Controls the table leaves alone keep their state from
// `current`. radioGroup1 is the index RadioGroup1 stands on.
HeadVisibility ComboBox41Change(const HeadVisibility& current, CertificateType zgnTyp, SchoolType schultyp,
                                int radioGroup1);

// RadioGroup1Click: the predicate pair is visible exactly when the
// qualification is "Mittlere Reife (RS)" (2) or the certificate type is 5.
HeadVisibility RadioGroup1Click(const HeadVisibility& current, int radioGroup1, CertificateType zgnTyp);

// ComboBox42Change: with the certificate type on 0, the examination data
// group becomes visible; otherwise nothing changes.
HeadVisibility ComboBox42Change(const HeadVisibility& current, CertificateType zgnTyp);

// ComboBox38Change: the grade of the chosen 4th examination subject. The
// subject is the last catalogue entry 1..50 whose abbreviation equals
// chosenKurz (Windows-1252); the grade is the `Note` of the last of the
// slots 1..16 carrying that subject's full name. nullopt when there is no
// such subject or slot (Edit75 then keeps its text).
std::optional<std::string> ExamSubjectGrade(const TFachKatalog& kat, const TZgnRec& rec, std::string_view chosenKurz);

} // namespace ruvek
