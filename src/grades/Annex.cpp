#include "grades/Annex.h"

#include <charconv>

namespace ruvek {

namespace {

bool in(int v, int lo, int hi) { return v >= lo && v <= hi; }

// ZgnTyp 1: half-year and year certificate.
int yearCertificate(int s, int k, int y, int f)
{
    const bool orientation = OrientationRule(k, y);
    switch (s) {
    case 1: return orientation ? 104 : (k == 1 ? 1 : 3);
    case 2: return orientation ? 104 : 15;
    case 3:
        if (k == 5 || k == 6)
            return orientation ? 104 : 26;
        return 27; // classes 7..10, and any other class level
    case 4: return orientation ? 104 : 21;
    case 5: return 5;
    case 6: return 10;
    case 7:
        if (f == 1)
            return in(k, 4, 9) ? 32 : 30;
        if (f == 2)
            return in(k, 7, 10) ? 34 : 0;
        return 0;
    case 9: return 39;
    default: return 0;
    }
}

// ZgnTyp 2: transfer certificate.
int transferCertificate(int s, int k, int f)
{
    switch (s) {
    case 1: return k == 1 ? 2 : 4;
    case 2: return 16;
    case 3: return 29;
    case 4: return 22;
    case 5: return 6;
    case 6: return 11;
    case 7:
        if (f == 1)
            return in(k, 4, 9) ? 33 : 31;
        if (f == 2)
            return in(k, 7, 9) ? 36 : 0;
        return 0;
    case 9: return 42;
    default: return 0;
    }
}

// ZgnTyp 3: leaving certificate.
int leavingCertificate(int s)
{
    switch (s) {
    case 2: return 17;
    case 3: return 28;
    case 4: return 23;
    case 5: return 7;
    case 6: return 12;
    case 7: return 41;
    default: return 0;
    }
}

bool secondaryFinalSchool(int s) { return s == 2 || s == 3 || s == 5 || s == 6; }

// ZgnTyp 4: final certificate. a is AbschlArt with other values read as 0.
int finalCertificate(int s, int k, int y, int a)
{
    if (secondaryFinalSchool(s)) {
        if (k == 9)
            return y < 2006 ? 8 : 18;
        if (k == 10) {
            if (y >= 2007)
                return 20;
            return a == 1 ? 9 : 13;
        }
        return 0;
    }
    if (s == 7)
        return k == 9 ? 35 : (k == 10 ? 38 : 0);
    if (s == 9)
        return 40;
    return 0;
}

// ZgnTyp 5: qualified final certificate / with performance assessment.
int qualifiedFinalCertificate(int s, int k, int y, int a)
{
    if (!secondaryFinalSchool(s))
        return 0;
    if (k == 9)
        return y < 2006 ? 9 : 19;
    if (k != 10)
        return 0;
    // Without a chosen qualification (and from 2007 on always) the school
    // type decides: Mittlere Reife at the Regionale Schule, the qualified
    // Realschulabschluss at the Gesamtschule and Realschule, the qualified
    // Hauptschulabschluss at the Hauptschule.
    const int bySchool = s == 2 ? 20 : (s == 5 ? 9 : 14);
    if (y >= 2007)
        return bySchool;
    if (a == 1)
        return 9;
    if (a == 2)
        return 14;
    return bySchool;
}

// ZgnTyp 6: transfer to the upper secondary level of the Gymnasium.
int upperLevelCertificate(int s, int k, int p)
{
    if (s != 3 && s != 4)
        return 0;
    return (k == 10 && p == 1) ? 24 : 25;
}

// ZgnTyp 7: intermediate certificate.
int intermediateCertificate(int s)
{
    switch (s) {
    case 2: return 115;
    case 3: return 127;
    case 4: return 121;
    case 5: return 105;
    case 6: return 110;
    case 7: return 130;
    default: return 0;
    }
}

} // namespace

int YearOfText(std::string_view text)
{
    // Blanks around the number are tolerated: a year typed as " 2006" is 2006.
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    int value = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (first != last && *first == '+')
        ++first;
    const auto [end, ec] = std::from_chars(first, last, value);
    if (first == last || ec != std::errc() || end != last)
        return 0;
    if (in(value, 2000, 2069))
        return value;
    if (in(value, 1, 69))
        return 2000 + value;
    if (in(value, 70, 99))
        return 1900 + value;
    return 0;
}

bool OrientationRule(int klassenstufe, int year)
{
    return (klassenstufe == 5 && year >= 2006) || (klassenstufe == 6 && year >= 2007);
}

int DetermineAnnex(const TZgnRec& rec, int schultyp)
{
    const int s = schultyp;
    const int k = rec.Klassenstufe;
    const int y = YearOfText(rec.SjBeginn.view());
    const int a = (rec.AbschlArt == 1 || rec.AbschlArt == 2) ? rec.AbschlArt : 0;
    const int f = rec.Klassenart;
    switch (rec.ZgnTyp) {
    case 1: return yearCertificate(s, k, y, f);
    case 2: return transferCertificate(s, k, f);
    case 3: return leavingCertificate(s);
    case 4: return finalCertificate(s, k, y, a);
    case 5: return qualifiedFinalCertificate(s, k, y, a);
    case 6: return upperLevelCertificate(s, k, rec.Bestanden);
    case 7: return intermediateCertificate(s);
    default: return 0;
    }
}

std::string AnnexDisplayText(const TZgnRec& rec, int schultyp)
{
    if (rec.Anlage == kAnlageOrientierung)
        return "4a";
    return std::to_string(DetermineAnnex(rec, schultyp));
}

HeadVisibility RadioGroup1Click(const HeadVisibility& current, int radioGroup1, int zgnTyp)
{
    HeadVisibility v = current;
    v.Label71 = v.ComboBox44 = (radioGroup1 == 2 || zgnTyp == 5);
    return v;
}

HeadVisibility ComboBox41Change(const HeadVisibility& current, int zgnTyp, int schultyp, int radioGroup1)
{
    HeadVisibility v = current;
    const auto set = [&v](bool groupBox3, bool jahrgang, bool praedikat, bool abschluss, bool pruefung,
                          bool fehlzeiten, bool bericht) {
        v.GroupBox3 = groupBox3;
        v.Label45 = v.Edit68 = jahrgang;
        v.Label71 = v.ComboBox44 = praedikat;
        v.RadioGroup1 = v.BitBtn19 = abschluss;
        v.GroupBox6 = pruefung;
        v.GroupBox8 = fehlzeiten;
        v.Memo2 = v.Label32 = v.BitBtn13 = bericht;
    };
    const int s = schultyp;
    switch (zgnTyp) {
    case 0:
        // The predicate, qualification and examination controls stay as they are.
        v.GroupBox3 = true;
        v.Label45 = v.Edit68 = true;
        v.GroupBox8 = true;
        v.Memo2 = v.Label32 = v.BitBtn13 = true;
        break;
    case 1: set(false, false, false, false, false, true, true); break;
    case 2: set(true, true, false, false, false, false, true); break;
    case 3: set(false, s != 4, false, s == 4, false, false, false); break;
    case 4: set(false, false, s == 2 || s == 3 || s == 6, true, false, false, false); break;
    case 5: set(false, false, s == 2 || s == 3 || s == 5 || s == 6, true, false, false, false); break;
    case 6: set(false, false, false, false, true, true, false); break;
    case 7: set(false, false, false, false, false, true, true); break;
    default: break; // no valid selection: nothing to switch
    }
    return RadioGroup1Click(v, radioGroup1, zgnTyp);
}

HeadVisibility ComboBox42Change(const HeadVisibility& current, int zgnTyp)
{
    HeadVisibility v = current;
    if (zgnTyp == 0)
        v.GroupBox6 = true;
    return v;
}

std::optional<std::string> ExamSubjectGrade(const TFachKatalog& kat, const TZgnRec& rec, std::string_view chosenKurz)
{
    int subject = -1;
    for (int i = 1; i < kFachKatalogCount; ++i)
        if (kat[i].FachKurz.view() == chosenKurz)
            subject = i;
    if (subject < 0)
        return std::nullopt;

    // A slot holds 30 characters, so a longer catalogue name never matches.
    const std::string_view name = kat[subject].FachName.view();
    std::optional<std::string> grade;
    for (int k = 1; k <= 16; ++k)
        if (rec.slot(k).Fach.view() == name)
            grade = rec.slot(k).Note.str();
    return grade;
}

} // namespace ruvek
