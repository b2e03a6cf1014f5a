#include "layouts/ExamTables.h"

#include "common/Cp1252.h"
#include "grades/Annex.h"
#include "grades/GradeNotation.h"
#include "layouts/SubjectTable.h"
#include "print/PrintFonts.h"

#include <cmath>

namespace ruvek {
namespace {

namespace exam {
inline constexpr int Origin = 76, RightNameStyle = 77, LeftGrade = 78, LeftAddition = 79, RightNames = 80,
                     CaptionStyle = 81, RightGrade = 82, RightAddition = 83, Pitch = 84;
} // namespace exam

constexpr int kLastExamSlot = 18;
constexpr int kBoxHalfWidth = 150;
constexpr int kRuleGap = 200;
constexpr int kUnderCaption = 30;
constexpr int kSecondLineDrop = 35;  // "u. Informatik" 3.5 mm under the first line
constexpr std::size_t kOneLine = 25; // characters of the first line of a two-line name

// The last subject slot 1..18 of that name; 0 when there is none.
int lastSlotNamed(const TZgnRec& rec, std::string_view nameCp1252)
{
    int found = 0;
    for (int k = 1; k <= kLastExamSlot; ++k)
        if (rec.slot(k).Fach.view() == nameCp1252)
            found = k;
    return found;
}

// The subject slot of the fourth examination subject: the catalogue entry
// with PrFach as its short name, looked up by its name among the subjects.
int fourthSubjectSlot(const TZgnRec& rec, const TFachKatalog& katalog)
{
    for (int i = 0; i < kFachKatalogCount; ++i)
        if (katalog[i].FachKurz.view() == rec.PrFach.view())
            return lastSlotNamed(rec, katalog[i].FachName.view().substr(0, 30));
    return 0;
}

// Grade texts of both tables: a text of more than 16 characters that is
// wider than its grey box is narrowed (by up to 6) and set one font smaller
// as far as it takes to fit.
void examGradeText(PageContext& ctx, TFstSlot at, std::string_view gradeUtf8)
{
    const bool longText = CharCount(gradeUtf8) > 16;
    ctx.fitText(at, gradeUtf8, 2 * kBoxHalfWidth, longText ? 6 : 0, longText);
}

struct ExamRow {
    int subjectSlot; // 0: not found, the row stays empty
    const char* caption;
};

class ExamTableDrawer {
public:
    ExamTableDrawer(PageContext& ctx, const TZgnRec& rec, bool wordMode)
        : ctx_(ctx), rec_(rec), wordMode_(wordMode), origin_(ctx.slot(exam::Origin)), pitch_(ctx.slot(exam::Pitch).Y)
    { }

    void leftColumn(const ExamRow (&rows)[2])
    {
        for (int r = 1; r <= 2; ++r)
            ctx_.text(TableTextCell(origin_.X, baseLine(r), origin_, origin_), name(rows[r - 1]));
        grades(rows, 2, exam::LeftGrade);
        additions(rows, 2, exam::LeftAddition);
    }

    void rightColumn(const ExamRow (&rows)[2], int count)
    {
        const TFstSlot& nameStyle = ctx_.slot(exam::RightNameStyle);
        const TFstSlot& captionStyle = ctx_.slot(exam::CaptionStyle);
        const int x = origin_.X + ctx_.slot(exam::RightNames).X;
        const int ruleEnd = origin_.X + ctx_.slot(exam::RightGrade).X - kRuleGap;
        for (int r = 1; r <= count; ++r) {
            const int y = baseLine(r);
            TFstSlot at = TableTextCell(x, y, nameStyle, origin_);
            at.Align = nameStyle.Align;
            ctx_.text(at, name(rows[r - 1]));
            const int captionX = x + nameStyle.X;
            // Without an absolute start the rule begins at the caption,
            // which then stands under it.
            const bool under = captionStyle.X == 0;
            ctx_.hline({under ? captionX : static_cast<int>(captionStyle.X), ruleEnd}, y, 2);
            TFstSlot caption = TableTextCell(captionX, under ? y + kUnderCaption : y, captionStyle, origin_);
            caption.Align = captionStyle.Align;
            ctx_.text(caption, rows[r - 1].caption);
        }
        grades(rows, count, exam::RightGrade);
        additions(rows, count, exam::RightAddition);
    }

private:
    int baseLine(int row) const { return origin_.Y + (row - 1) * pitch_; }

    std::string name(const ExamRow& row) const
    {
        return row.subjectSlot ? cp1252ToUtf8(rec_.slot(row.subjectSlot).Fach.view()) : std::string();
    }

    void grades(const ExamRow (&rows)[2], int count, int gradeSlot)
    {
        const TFstSlot& style = ctx_.slot(gradeSlot);
        const int x = origin_.X + style.X;
        for (int r = 1; r <= count; ++r) {
            const int y = baseLine(r);
            // Rounded to the nearest whole number, a half to the even neighbour.
            const int top = static_cast<int>(std::nearbyint(y - 0.75 * pitch_));
            ctx_.box({x - kBoxHalfWidth, top, x + kBoxHalfWidth, y}, 21);
            const int k = rows[r - 1].subjectSlot;
            examGradeText(ctx_, TableCell(x, y, style, origin_), k ? GradeText(rec_.slot(k).Note, wordMode_) : "");
        }
    }

    void additions(const ExamRow (&rows)[2], int count, int additionSlot)
    {
        const TFstSlot& style = ctx_.slot(additionSlot);
        for (int r = 1; r <= count; ++r) {
            const int k = rows[r - 1].subjectSlot;
            ctx_.text(TableCell(origin_.X + style.X, baseLine(r), style, origin_),
                      k ? cp1252ToUtf8(rec_.slot(k).Zusatz.view()) : std::string());
        }
    }

    PageContext& ctx_;
    const TZgnRec& rec_;
    bool wordMode_;
    TFstSlot origin_;
    int pitch_;
};

// The admission table: rows from a fixed list of subject slots, in the
// geometry of the subject table.
class AdmissionDrawer {
public:
    AdmissionDrawer(PageContext& ctx, const TZgnRec& rec, const ExamSubjects& exam, bool wordMode)
        : ctx_(ctx),
          rec_(rec),
          exam_(exam),
          wordMode_(wordMode),
          origin_(ctx.slot(slot::TableOrigin)),
          pitch_(ctx.slot(slot::RowPitch).Y)
    { }

    void draw(const AdmissionRows& rows)
    {
        column(Column::Left, rows.left, origin_.X, slot::LeftGrade, slot::LeftAddition);
        column(Column::Right, rows.right, origin_.X + ctx_.slot(slot::RightNames).X, slot::RightGrade,
               slot::RightAddition);
    }

private:
    int baseLine(int row) const { return origin_.Y + (row - 1) * pitch_; }

    void column(Column column, const std::array<int, 6>& slots, int x, int gradeSlot, int additionSlot)
    {
        for (std::size_t i = 0; i < slots.size(); ++i)
            if (slots[i])
                nameCell(column, static_cast<int>(i) + 1, slots[i], x);
        const TFstSlot& gradeStyle = ctx_.slot(gradeSlot);
        const int gradeX = origin_.X + gradeStyle.X;
        for (std::size_t i = 0; i < slots.size(); ++i) {
            if (!slots[i])
                continue;
            const int y = baseLine(static_cast<int>(i) + 1);
            ctx_.box(
                {gradeX - kBoxHalfWidth, static_cast<int>(std::trunc(y - 0.75 * pitch_)), gradeX + kBoxHalfWidth, y},
                22);
            examGradeText(ctx_, TableCell(gradeX, y, gradeStyle, origin_), gradeText(slots[i]));
        }
        const TFstSlot& additionStyle = ctx_.slot(additionSlot);
        for (std::size_t i = 0; i < slots.size(); ++i)
            if (slots[i])
                ctx_.text(
                    TableCell(origin_.X + additionStyle.X, baseLine(static_cast<int>(i) + 1), additionStyle, origin_),
                    cp1252ToUtf8(rec_.slot(slots[i]).Zusatz.view()));
    }

    std::string gradeText(int subjectSlot) const
    {
        switch (exam_.mark(subjectSlot)) {
        case ExamMark::Examined: return GradeText("-", true);
        case ExamMark::FourthSubject: return "siehe 4. Prüfungsfach";
        case ExamMark::Ordinary: break;
        }
        return GradeText(rec_.slot(subjectSlot).Note, wordMode_);
    }

    void nameCell(Column column, int row, int subjectSlot, int x)
    {
        const int y = baseLine(row);
        const std::string_view name = rec_.slot(subjectSlot).Fach.view();
        if (column == Column::Left && row == 1 && IsForeignLanguage(ctx_.katalog(), name)) {
            foreignLanguage(x, y, cp1252ToUtf8(name), "2. Fremdsprache");
        } else if (column == Column::Right && row == 1) {
            ReligionRow(ctx_, name, ReligionLabels::Short, Column::Right, x, y);
        } else if (column == Column::Right && row == 2 && IsTwoLineTechnicsName(ctx_.katalog(), name)) {
            ctx_.text(TableTextCell(x, y, origin_, origin_), cp1252ToUtf8(name.substr(0, kOneLine)));
            ctx_.text(TableTextCell(x, y + kSecondLineDrop, origin_, origin_), "u. Informatik");
        } else {
            ctx_.text(TableTextCell(x, y, origin_, origin_), cp1252ToUtf8(name));
        }
    }

    // The language written into the open field above its caption.
    void foreignLanguage(int x, int y, const std::string& nameUtf8, const char* caption)
    {
        const int captionOffset = ctx_.slot(slot::OpenField).X;
        const int ruleEnd = origin_.X + ctx_.slot(slot::LeftGrade).X - kRuleGap;
        ctx_.text(TableTextCell(x, y, ctx_.slot(slot::OpenField), origin_), nameUtf8);
        const TFstSlot& captionFont = ctx_.slot(slot::CaptionFont);
        if (captionOffset != 0) {
            ctx_.hline({captionOffset, ruleEnd}, y, 2);
            ctx_.text(TableTextCell(x + captionOffset, y, captionFont, origin_), caption);
        } else {
            ctx_.hline({x, ruleEnd}, y, 2);
            ctx_.text(TableTextCell(x, y + kUnderCaption, captionFont, origin_), caption);
        }
    }

    PageContext& ctx_;
    const TZgnRec& rec_;
    const ExamSubjects& exam_;
    bool wordMode_;
    TFstSlot origin_;
    int pitch_;
};

} // namespace

ExamSubjects FindExamSubjects(const TZgnRec& rec, const TFachKatalog& katalog, SchoolType schoolType)
{
    ExamSubjects exam;
    exam.deutsch = lastSlotNamed(rec, "Deutsch");
    exam.mathematik = lastSlotNamed(rec, "Mathematik");
    for (const int k : {exam.deutsch, exam.mathematik})
        if (k)
            exam.marks[static_cast<std::size_t>(k)] = ExamMark::Examined;
    // The first foreign language stands in slot 2 where the school teaches
    // the Gymnasium's order of subjects.
    if (schoolType == SchoolType::IntegrierteGesamtschule || schoolType == SchoolType::Gymnasium) {
        exam.foreignLanguage = 2;
        exam.marks[2] = ExamMark::Examined;
    }
    exam.withFourthSubject = YearOfText(rec.SjBeginn.view()) < 2006;
    if (exam.withFourthSubject) {
        exam.fourthSubject = fourthSubjectSlot(rec, katalog);
        if (exam.fourthSubject)
            exam.marks[static_cast<std::size_t>(exam.fourthSubject)] = ExamMark::FourthSubject;
        if (!exam.foreignLanguage || !exam.fourthSubject)
            exam.error = ExamSubjectError::ForeignLanguageOrFourth;
    } else if (!exam.foreignLanguage) {
        exam.error = ExamSubjectError::ForeignLanguage;
    }
    return exam;
}

std::string ExamSubjectsMessage(ExamSubjectError error)
{
    switch (error) {
    case ExamSubjectError::ForeignLanguage:
        return "Fehler beim Ermitteln der Prüfungsfremdsprache!!!\n"
               "Prüfen Sie unbedingt die Daten!!! Ausdruck eventuell fehlerhaft!!!";
    case ExamSubjectError::ForeignLanguageOrFourth:
        return "Fehler beim Ermitteln der Prüfungsfremdsprache oder des 4. Prüfungsfachs!!!\n"
               "Prüfen Sie unbedingt die Daten!!! Ausdruck eventuell fehlerhaft!!!";
    case ExamSubjectError::None: break;
    }
    return {};
}

void ExamSubjectTable(PageContext& ctx, const TZgnRec& rec, const ExamSubjects& exam, bool wordMode)
{
    if (!ctx.drawn(exam::Origin))
        return;
    ExamTableDrawer drawer(ctx, rec, wordMode);
    drawer.leftColumn({{exam.deutsch, ""}, {exam.mathematik, ""}});
    if (exam.error == ExamSubjectError::None)
        drawer.rightColumn({{exam.foreignLanguage, "1. Fremdsprache"}, {exam.fourthSubject, "4. Prüfungsfach"}},
                           exam.withFourthSubject ? 2 : 1);
}

AdmissionRows AdmissionTableRows(SchoolType schoolType)
{
    const bool comprehensive = schoolType == SchoolType::IntegrierteGesamtschule;
    return {{3, 15, comprehensive ? 14 : 16, 5, comprehensive ? 6 : 7, comprehensive ? 7 : 6}, {9, 8, 10, 11, 12, 17}};
}

void AdmissionSubjectTable(PageContext& ctx, const TZgnRec& rec, const ExamSubjects& exam, bool wordMode)
{
    if (!ctx.drawn(slot::TableOrigin))
        return;
    AdmissionDrawer(ctx, rec, exam, wordMode).draw(AdmissionTableRows(ctx.schoolType()));
}

bool IsTwoLineTechnicsName(const TFachKatalog& katalog, std::string_view subjectCp1252)
{
    const std::string_view entry = katalog[2].FachName.view();
    return !entry.empty() && subjectCp1252.starts_with(entry) && subjectCp1252.size() > kOneLine;
}

} // namespace ruvek
