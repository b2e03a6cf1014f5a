#include "grades/Annex.h"

#include "forms/AnnexCatalogue.h"

#include <charconv>

namespace ruvek {

namespace {

bool in(int v, int lo, int hi) { return v >= lo && v <= hi; }

// ZgnTyp 1: half-year and year certificate.
int yearCertificate(SchoolType s, int k, int y, int f)
{
    using enum SchoolType;
    const bool orientation = OrientationRule(k, y);
    constexpr int o = annex::Orientierung;
    switch (s) {
    case Grundschule: return orientation ? o : (k == 1 ? 1 : 3);
    case RegionaleSchule: return orientation ? o : 15;
    case IntegrierteGesamtschule:
        if (k == 5 || k == 6)
            return orientation ? o : 26;
        return 27; // classes 7..10, and any other class level
    case Gymnasium: return orientation ? o : annex::GymnasiumJahr;
    case Hauptschule: return 5;
    case Realschule: return 10;
    case Foerderschule:
        if (f == 1)
            return in(k, 4, 9) ? 32 : 30;
        if (f == 2)
            return in(k, 7, 10) ? 34 : 0;
        return 0;
    case LebensbewaeltigungSchule: return 39;
    default: return 0;
    }
}

// ZgnTyp 2: transfer certificate.
int transferCertificate(SchoolType s, int k, int f)
{
    using enum SchoolType;
    switch (s) {
    case Grundschule: return k == 1 ? 2 : 4;
    case RegionaleSchule: return 16;
    case IntegrierteGesamtschule: return 29;
    case Gymnasium: return 22;
    case Hauptschule: return 6;
    case Realschule: return 11;
    case Foerderschule:
        if (f == 1)
            return in(k, 4, 9) ? 33 : 31;
        if (f == 2)
            return in(k, 7, 9) ? 36 : 0;
        return 0;
    case LebensbewaeltigungSchule: return 42;
    default: return 0;
    }
}

// ZgnTyp 3: leaving certificate.
int leavingCertificate(SchoolType s)
{
    using enum SchoolType;
    switch (s) {
    case RegionaleSchule: return 17;
    case IntegrierteGesamtschule: return 28;
    case Gymnasium: return 23;
    case Hauptschule: return 7;
    case Realschule: return 12;
    case Foerderschule: return 41;
    default: return 0;
    }
}

// ZgnTyp 4: final certificate. a is AbschlArt with other values read as 0.
int finalCertificate(SchoolType s, int k, int y, int a)
{
    if (SecondaryFinalSchool(s)) {
        if (k == 9)
            return y < 2006 ? 8 : 18;
        if (k == 10) {
            if (y >= 2007)
                return 20;
            return a == 1 ? 9 : 13;
        }
        return 0;
    }
    if (s == SchoolType::Foerderschule)
        return k == 9 ? 35 : (k == 10 ? 38 : 0);
    if (s == SchoolType::LebensbewaeltigungSchule)
        return 40;
    return 0;
}

// ZgnTyp 5: qualified final certificate / with performance assessment.
int qualifiedFinalCertificate(SchoolType s, int k, int y, int a)
{
    if (!SecondaryFinalSchool(s))
        return 0;
    if (k == 9)
        return y < 2006 ? 9 : 19;
    if (k != 10)
        return 0;
    // Without a chosen qualification (and from 2007 on always) the school
    // type decides: Mittlere Reife at the Regionale Schule, the qualified
    // Realschulabschluss at the Gesamtschule and Realschule, the qualified
    // Hauptschulabschluss at the Hauptschule.
    const int bySchool = s == SchoolType::RegionaleSchule ? 20 : (s == SchoolType::Hauptschule ? 9 : 14);
    if (y >= 2007)
        return bySchool;
    if (a == 1)
        return 9;
    if (a == 2)
        return 14;
    return bySchool;
}

// ZgnTyp 6: transfer to the upper secondary level of the Gymnasium.
int upperLevelCertificate(SchoolType s, int k, int p)
{
    if (s != SchoolType::IntegrierteGesamtschule && s != SchoolType::Gymnasium)
        return 0;
    return (k == 10 && p == 1) ? annex::GymnasiumPruefungBestanden : annex::GymnasiumPruefungNichtBestanden;
}

// ZgnTyp 7: intermediate certificate.
int intermediateCertificate(SchoolType s)
{
    using enum SchoolType;
    switch (s) {
    case RegionaleSchule: return 115;
    case IntegrierteGesamtschule: return 127;
    case Gymnasium: return 121;
    case Hauptschule: return 105;
    case Realschule: return 110;
    case Foerderschule: return 130;
    default: return 0;
    }
}

} // namespace

bool SecondaryFinalSchool(SchoolType s)
{
    using enum SchoolType;
    return s == RegionaleSchule || s == IntegrierteGesamtschule || s == Hauptschule || s == Realschule;
}

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

int DetermineAnnex(const TZgnRec& rec, SchoolType schultyp)
{
    const SchoolType s = schultyp;
    const int k = rec.Klassenstufe;
    const int y = YearOfText(rec.SjBeginn.view());
    const int a = (rec.AbschlArt == 1 || rec.AbschlArt == 2) ? rec.AbschlArt : 0;
    const int f = rec.Klassenart;
    using enum CertificateType;
    switch (certificateTypeFromStored(rec.ZgnTyp)) {
    case Jahreszeugnis: return yearCertificate(s, k, y, f);
    case Uebergang: return transferCertificate(s, k, f);
    case Abgang: return leavingCertificate(s);
    case Abschluss: return finalCertificate(s, k, y, a);
    case AbschlussQualifiziert: return qualifiedFinalCertificate(s, k, y, a);
    case VersetzungOberstufe: return upperLevelCertificate(s, k, rec.Bestanden);
    case Zwischen: return intermediateCertificate(s);
    default: return annex::Keine;
    }
}

std::string AnnexDisplayText(const TZgnRec& rec, SchoolType schultyp)
{
    // A stored form with a written number of its own shows that.
    if (const AnnexForm* form = FindAnnexForm(rec.Anlage); form && form->number)
        return form->number;
    return std::to_string(DetermineAnnex(rec, schultyp));
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
