#include "completeness/RecordChecks.h"

#include "common/Cp1252.h"
#include "common/DateText.h"
#include "completeness/Completeness.h"
#include "editor/Visibility.h"
#include "grades/Annex.h"
#include "grades/GradeNotation.h"
#include "layouts/TextHelpers.h"
#include "settings/FachKatalog.h"

#include <charconv>
#include <chrono>
#include <optional>

namespace ruvek {
namespace {

using editor::ControlId;

std::string_view trimmed(std::string_view s)
{
    const auto first = s.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

bool blankOrUnset(std::string_view s)
{
    const std::string_view t = trimmed(s);
    return t.empty() || t == "???";
}

// A subject name that names no subject: "???" or nothing. The unused entry
// "  - - -" is a deliberate choice and names no subject either, but it is
// not missing.
bool subjectMissing(std::string_view fach) { return blankOrUnset(fach); }
bool namesSubject(std::string_view fach) { return !subjectMissing(fach) && fach != kFachUnbenutzt; }

bool markMissing(std::string_view mark)
{
    const std::string_view t = trimmed(mark);
    return t.empty() || t == "-";
}

// Slots 1 to 9 fill the left column of the subject table.
constexpr int kLeftColumnRows = 9;

std::string name(ControlId c) { return std::string(editor::controlName(c)); }

// A stored grade the school type's notation does not know prints as it is
// in digit mode, so the conference must see it.
std::string invalidGrade(std::string_view note, const std::string& where)
{
    return "Bewertung ungültig: " + where + " (\"" + cp1252ToUtf8(note) + "\")";
}

// "d.m.yyyy" with a real calendar date; the year as a school year is read.
std::optional<std::chrono::year_month_day> parseDate(std::string_view text)
{
    const std::string normal = NormalizeDate(trimmed(text));
    int parts[3] = {0, 0, 0};
    std::size_t pos = 0;
    for (int i = 0; i < 3; ++i) {
        const std::size_t end = i < 2 ? normal.find('.', pos) : normal.size();
        if (end == std::string::npos || end == pos)
            return std::nullopt;
        const std::string_view part(normal.data() + pos, end - pos);
        const auto [ptr, ec] = std::from_chars(part.data(), part.data() + part.size(), parts[i]);
        if (ec != std::errc() || ptr != part.data() + part.size())
            return std::nullopt;
        if (i == 2)
            parts[2] = YearOfText(part);
        pos = end + 1;
    }
    const std::chrono::year_month_day date{std::chrono::year(parts[2]), std::chrono::month(unsigned(parts[1])),
                                           std::chrono::day(unsigned(parts[0]))};
    if (parts[2] == 0 || !date.ok())
        return std::nullopt;
    return date;
}

} // namespace

std::vector<RecordFinding> CheckHeadAndFoot(const TZgnRec& rec)
{
    std::vector<RecordFinding> out;
    const SchoolYearTexts year = SchoolYearEnd(trimmed(rec.SjBeginn.view()));
    const bool yearOk = !year.end.empty() && year.end != "????";
    if (blankOrUnset(rec.SjBeginn.view()))
        out.push_back({page::Kopf, name(ControlId::Edit63), "Schuljahr fehlt"});
    else if (!yearOk)
        out.push_back({page::Kopf, name(ControlId::Edit63), "Schuljahr ist unplausibel: " + cp1252ToUtf8(rec.SjBeginn.view())});
    if (blankOrUnset(rec.KlLehrer.view()))
        out.push_back({page::Kopf, name(ControlId::Edit66), "Klassenlehrer fehlt"});
    if (blankOrUnset(rec.ZgnOrt.view()))
        out.push_back({page::Fuss, name(ControlId::Edit69), "Zeugnisort fehlt"});

    if (!IsDateTextEmpty(rec.GebDatum.view()) && !ParseDateText(rec.GebDatum.view()))
        out.push_back({page::Kopf, name(ControlId::MaskEdit2),
                       "Geburtsdatum ist kein gültiges Datum: " + cp1252ToUtf8(trimmed(rec.GebDatum.view()))});

    // The empty date masks "  .  .19  " and "  .  .20  " carry only a century.
    const std::string_view date = trimmed(rec.ZgnDatum.view());
    if (date.find_first_of("0123456789") == std::string_view::npos || date == ".  .19" || date == ".  .20") {
        out.push_back({page::Fuss, name(ControlId::MaskEdit4), "Zeugnisdatum fehlt"});
    } else if (const auto d = parseDate(date); !d) {
        out.push_back({page::Fuss, name(ControlId::MaskEdit4), "Zeugnisdatum ist kein gültiges Datum: " +
                                                                    cp1252ToUtf8(rec.ZgnDatum.view())});
    } else if (yearOk) {
        // The certificate is dated within its school year, which runs from
        // 1 August to 31 July of the next calendar year.
        using namespace std::chrono;
        const int begin = YearOfText(year.begin);
        const year_month_day first{std::chrono::year(begin), August, day(1)};
        const year_month_day last{std::chrono::year(begin + 1), July, day(31)};
        if (*d < first || *d > last)
            out.push_back({page::Fuss, name(ControlId::MaskEdit4),
                           "Zeugnisdatum liegt nicht im Schuljahr " + year.begin + "/" + year.end});
    }
    return out;
}

std::vector<RecordFinding> CheckSubjectRows(const TZgnRec& rec, SchoolType schoolType)
{
    std::vector<RecordFinding> out;
    const editor::VisibilityInput in{rec.AnlageFaecher, certificateTypeFromStored(rec.ZgnTyp), schoolType, false};
    const editor::ControlSet shown = editor::VisibleControls(in);
    const auto visible = [&](ControlId c) { return shown.test(editor::index(c)); };

    // The intermediate certificates offer a level selector in every row;
    // there a level is a choice, not a requirement.
    const bool levelsPrinted = !editor::IsIntermediateAnnex(rec.AnlageFaecher);
    for (int k = 1; k <= 18; ++k) {
        // A row is printed where the editor shows its grade field.
        if (!visible(editor::editF(k)))
            continue;
        const TFachEintrag& s = rec.slot(k);
        const auto selector = editor::subjectSelector(k);
        const ControlId subjectField = selector && visible(*selector) ? *selector : editor::labelF(k);
        // The right column (rows 10 to 18) prints an unset subject as an
        // open row; the left column would print "???" as the subject. In
        // either column a grade without a subject is wrong.
        if (subjectMissing(s.Fach.view())) {
            if (k <= kLeftColumnRows || !markMissing(s.Note.view()))
                out.push_back({page::Faecher, name(subjectField),
                               "Fach in Zeile " + std::to_string(k) + " nicht gewählt"});
            continue;
        }
        if (!namesSubject(s.Fach.view()))
            continue;
        const std::string subject = cp1252ToUtf8(s.Fach.view());
        if (markMissing(s.Note.view()))
            out.push_back({page::Faecher, name(editor::editF(k)), "Bewertung fehlt: " + subject});
        else if (!IsGradeCode(s.Note.view(), schoolType))
            out.push_back({page::Faecher, name(editor::editF(k)), invalidGrade(s.Note.view(), subject)});
        if (levelsPrinted && visible(editor::levelSelector(k)) && markMissing(s.Niveau.view()))
            out.push_back({page::Faecher, name(editor::levelSelector(k)), "Niveau fehlt: " + subject});
    }

    // Elective rows: an unused row is left as it is; a chosen subject needs
    // a grade and a grade needs a subject.
    for (int w = 1; w <= 6; ++w) {
        if (!visible(editor::editW(w)))
            continue;
        const TFachEintrag& s = rec.slot(18 + w);
        const bool graded = !markMissing(s.Note.view());
        if (namesSubject(s.Fach.view()) && !graded)
            out.push_back({page::Fuss, name(editor::editW(w)),
                           "Bewertung fehlt: " + cp1252ToUtf8(s.Fach.view()) + " (W" + std::to_string(w) + ")"});
        else if (!namesSubject(s.Fach.view()) && graded)
            out.push_back({page::Fuss, name(editor::comboBoxW(w)),
                           "Wahlpflichtfach W" + std::to_string(w) + " hat eine Bewertung, aber kein Fach"});
        else if (graded && !IsGradeCode(s.Note.view(), schoolType))
            out.push_back({page::Fuss, name(editor::editW(w)),
                           invalidGrade(s.Note.view(), cp1252ToUtf8(s.Fach.view()) + " (W" + std::to_string(w) + ")")});
    }
    if (visible(ControlId::EditW) && !markMissing(rec.slot(25).Note.view()) &&
        !IsGradeCode(rec.slot(25).Note.view(), schoolType))
        out.push_back({page::Fuss, name(ControlId::EditW),
                       invalidGrade(rec.slot(25).Note.view(), "Wahlpflichtunterricht insgesamt")});
    return out;
}

} // namespace ruvek
