#include "layouts/SubjectTable.h"

#include "common/Cp1252.h"
#include "print/PrintFonts.h"

#include <cmath>

namespace ruvek {
namespace {

constexpr int kBoxHalfWidth = 150; // grey grade boxes are 30 mm wide
constexpr int kRuleGap = 200;      // rules end 20 mm before the grade centre
constexpr int kUnderCaption = 30;  // captions 3 mm under the base line

bool isPlaceholder(std::string_view name) { return name == kFachUnbenutzt || name == kFachUnbekannt; }

int truncated(double v) { return static_cast<int>(std::trunc(v)); }

struct ColumnGeometry {
    Column column;
    int firstSubjectSlot; // subject slot of row 1
    int nameX;
    int gradeSlot, additionSlot;
    int openFieldFontSlot;
};

class TableDrawer {
public:
    TableDrawer(PageContext& ctx, const TZgnRec& rec, const SubjectTableLayout& layout, bool wordMode)
        : ctx_(ctx),
          rec_(rec),
          layout_(layout),
          wordMode_(wordMode),
          origin_(ctx.slot(slot::TableOrigin)),
          pitch_(ctx.slot(slot::RowPitch).Y)
    { }

    void draw()
    {
        drawColumn({Column::Left, 1, origin_.X, slot::LeftGrade, slot::LeftAddition, slot::OpenField});
        if (layout_.columns >= 2)
            drawColumn({Column::Right, 10, origin_.X + ctx_.slot(slot::RightNames).X, slot::RightGrade,
                        slot::RightAddition, slot::CaptionFont});
    }

private:
    int baseLine(int row) const { return origin_.Y + (row - 1) * pitch_; }
    const TFachEintrag& subject(const ColumnGeometry& g, int row) const
    {
        return rec_.slot(g.firstSubjectSlot + row - 1);
    }
    int ruleEnd(const ColumnGeometry& g) const { return origin_.X + ctx_.slot(g.gradeSlot).X - kRuleGap; }

    const FixedRow* fixedRow(Column column, int row) const
    {
        for (const FixedRow& f : layout_.fixedRows)
            if (f.column == column && f.row == row)
                return &f;
        return nullptr;
    }

    void drawColumn(const ColumnGeometry& g)
    {
        for (int r = 1; r <= layout_.rowsPerColumn; ++r)
            nameCell(g, r);
        for (int r = 1; r <= layout_.rowsPerColumn; ++r)
            gradeCell(g, r);
        for (int r = 1; r <= layout_.rowsPerColumn; ++r) {
            const TFstSlot& style = ctx_.slot(g.additionSlot);
            ctx_.text(TableCell(origin_.X + style.X, baseLine(r), style, origin_),
                      cp1252ToUtf8(subject(g, r).Zusatz.view()));
        }
    }

    void nameCell(const ColumnGeometry& g, int row)
    {
        const int x = g.nameX;
        const int y = baseLine(row);
        const std::string_view name = subject(g, row).Fach.view();
        const std::string nameUtf8 = cp1252ToUtf8(name);
        const FixedRow* fixed = fixedRow(g.column, row);

        if (fixed && fixed->kind == FixedRow::Kind::BareName) {
            ctx_.text(TableTextCell(x, y, origin_, origin_), nameUtf8);
        } else if (fixed && fixed->kind == FixedRow::Kind::ForeignLanguage) {
            foreignLanguage(g, x, y, nameUtf8, fixed->captionUtf8);
        } else if ((fixed && fixed->kind == FixedRow::Kind::Religion) || religionBySubject(g.column, row, name)) {
            ReligionRow(ctx_, name, layout_.religionLabels, g.column, x, y,
                        g.column == Column::Left ? slot::OpenField : layout_.rightReligionFontSlot);
        } else if (g.column == Column::Left && layout_.twoLineLabels && IsTwoLineSubject(ctx_.katalog(), name)) {
            ctx_.text(TableTextCell(x, y - truncated(0.3 * pitch_), origin_, origin_), "Arbeit-Wirtschaft-Technik");
            ctx_.text(TableTextCell(x, y + truncated(0.1 * pitch_), origin_, origin_), "und Informatik");
        } else if (isPlaceholder(name) && (g.column == Column::Left || layout_.rightPlaceholders)) {
            ctx_.hline({x, ruleEnd(g)}, y, 2);
            ctx_.text(TableTextCell(x, y, origin_, origin_), cp1252ToUtf8(kFachUnbenutzt));
        } else if (g.column == Column::Right && layout_.firstOpenRow > 0 && row >= layout_.firstOpenRow) {
            const int end = origin_.X + ctx_.slot(slot::RightGrade).X - kRuleGap;
            ctx_.hline({x, end}, y, 2);
            ctx_.fitText(TableTextCell(x, y, ctx_.slot(slot::OpenField), origin_), nameUtf8, end - x,
                         name.size() > 21 ? 4 : 0);
        } else {
            ctx_.text(TableTextCell(x, y, origin_, origin_), nameUtf8);
        }
    }

    bool religionBySubject(Column column, int row, std::string_view name) const
    {
        using Right = SubjectTableLayout::RightReligion;
        const bool allowed = column == Column::Left
                                 ? layout_.leftReligionBySubject
                                 : layout_.rightReligion == Right::BySubject ||
                                       (layout_.rightReligion == Right::FirstRowBySubject && row == 1);
        return allowed && IsReligionSubject(ctx_.katalog(), name);
    }

    void foreignLanguage(const ColumnGeometry& g, int x, int y, const std::string& nameUtf8, const std::string& caption)
    {
        const int captionOffset = ctx_.slot(slot::OpenField).X;
        ctx_.text(TableTextCell(x, y, ctx_.slot(slot::OpenField), origin_), nameUtf8);
        const TFstSlot& captionFont = ctx_.slot(slot::CaptionFont);
        if (captionOffset != 0) {
            ctx_.hline({captionOffset, ruleEnd(g)}, y, 2);
            ctx_.text(TableTextCell(x + captionOffset, y, captionFont, origin_), caption);
        } else {
            ctx_.hline({x, ruleEnd(g)}, y, 2);
            ctx_.text(TableTextCell(x, y + kUnderCaption, captionFont, origin_), caption);
        }
    }

    void gradeCell(const ColumnGeometry& g, int row)
    {
        const TFstSlot& style = ctx_.slot(g.gradeSlot);
        const int x = origin_.X + style.X;
        const int y = baseLine(row);
        ctx_.box({x - kBoxHalfWidth, truncated(y - 0.75 * pitch_), x + kBoxHalfWidth, y}, 22);
        const TFachEintrag& s = subject(g, row);
        TFstSlot at = TableCell(x, y, style, origin_);
        GradeCellText(ctx_, at, GradeText(s.Note, wordMode_));

        // A level subject without a level letter gets no mark.
        const std::string level =
            layout_.printLevel ? cp1252ToUtf8(layout_.printLevel(s.Niveau).view()) : std::string();
        const bool hasLevel = !level.empty() && level != "-" && level != " ";
        if (hasLevel && (row == 2 || IsLevelSubject(ctx_.katalog(), s.Fach.view(), ctx_.schoolType()))) {
            const std::string grade = GradeText(s.Note, wordMode_);
            if (CharCount(grade) > 16)
                at.Font = static_cast<std::uint16_t>(SmallerFont(at.Font));
            at.X = static_cast<std::uint16_t>(x - 160);
            at.Align = 2;
            ctx_.text(at, "(" + level + ")*");
        }
    }

    PageContext& ctx_;
    const TZgnRec& rec_;
    const SubjectTableLayout& layout_;
    bool wordMode_;
    TFstSlot origin_;
    int pitch_;
};

// An elective name in the open-field font: "???" as "  - - -". A name wider
// than its rule (up to `end`) is narrowed when it has more than 21
// characters and also set one font smaller when it has more than 25.
void electiveName(PageContext& ctx, int x, int end, int y, std::string_view nameCp1252, const TFstSlot& page)
{
    const std::string_view shown = nameCp1252 == kFachUnbekannt ? kFachUnbenutzt : nameCp1252;
    ctx.fitText(TableTextCell(x, y, ctx.slot(slot::OpenField), page), cp1252ToUtf8(shown), end - x,
                shown.size() > 21 ? 4 : 0, shown.size() > 25);
}

} // namespace

void SubjectTable(PageContext& ctx, const TZgnRec& rec, const SubjectTableLayout& layout, bool wordMode)
{
    if (!ctx.drawn(slot::TableOrigin))
        return;
    TableDrawer(ctx, rec, layout, wordMode).draw();
}

TFstSlot TableCell(int x, int y, const TFstSlot& style, const TFstSlot& pageOf)
{
    TFstSlot at = style;
    at.X = static_cast<std::uint16_t>(x);
    at.Y = static_cast<std::uint16_t>(y);
    at.Page = pageOf.Page;
    return at;
}

TFstSlot TableTextCell(int x, int y, const TFstSlot& fontSlot, const TFstSlot& table)
{
    TFstSlot at = table;
    at.X = static_cast<std::uint16_t>(x);
    at.Y = static_cast<std::uint16_t>(y);
    at.Font = fontSlot.Font;
    return at;
}

void GradeCellText(PageContext& ctx, TFstSlot at, std::string_view gradeUtf8)
{
    // Narrowed (beyond 13 characters) and one font smaller (beyond 16) only
    // when the text is wider than the grey box.
    const int chars = CharCount(gradeUtf8);
    ctx.fitText(at, gradeUtf8, 2 * kBoxHalfWidth, chars > 13 ? 4 : 0, chars > 16);
}

bool IsTwoLineSubject(const TFachKatalog& katalog, std::string_view subjectCp1252)
{
    const std::string_view full = katalog[3].FachName.view();
    return !subjectCp1252.empty() && subjectCp1252.size() <= full.size() &&
           full.substr(0, subjectCp1252.size()) == subjectCp1252;
}

void ReligionRow(PageContext& ctx, std::string_view subjectCp1252, ReligionLabels labels, Column column, int x, int y,
                 int openFieldFontSlot)
{
    const TFstSlot& table = ctx.slot(slot::TableOrigin);
    const int pitch = ctx.slot(slot::RowPitch).Y;
    const int upperY = y - truncated(0.3 * pitch);
    const int lowerY = y + truncated(0.1 * pitch);
    const bool longForm = labels == ReligionLabels::Long;
    if (openFieldFontSlot == 0)
        openFieldFontSlot = column == Column::Left ? slot::OpenField : slot::CaptionFont;
    const TFstSlot& openFont = ctx.slot(openFieldFontSlot);
    const bool named = !isPlaceholder(subjectCp1252);

    const std::string_view upperLabel = longForm ? "evangelische / katholische Religion /" : "ev. / kath. Religion /";
    constexpr std::string_view lowerLabel = "Philosophieren mit Kindern";
    const TFstSlot upperCell = TableTextCell(x, upperY, table, table);
    const TFstSlot lowerCell = TableTextCell(x, lowerY, table, table);
    auto drawLabels = [&] {
        ctx.text(upperCell, upperLabel);
        ctx.text(lowerCell, lowerLabel);
    };

    switch (ctx.options().ReligionOption) {
    case 1:
        if (named)
            ctx.text(TableTextCell(x, y, table, table), cp1252ToUtf8(subjectCp1252));
        else
            drawLabels();
        return;
    case 2:
        if (named) {
            const int gradeOffset = ctx.slot(column == Column::Left ? slot::LeftGrade : slot::RightGrade).X;
            const int end = table.X + gradeOffset - kRuleGap;
            ctx.fitText(TableTextCell(x, y, openFont, table), cp1252ToUtf8(subjectCp1252), end - x,
                        subjectCp1252.size() > 21 ? 4 : 0);
            ctx.hline({x, end}, y, 2);
        } else {
            drawLabels();
        }
        return;
    default: break;
    }

    drawLabels();
    // The alternatives that do not apply are struck where the labels stand.
    const TFachKatalog& kat = ctx.katalog();
    const std::string_view evangelisch = longForm ? "evangelische" : "ev.";
    const std::string_view katholisch = longForm ? "katholische" : "kath.";
    const std::string_view religion = upperLabel.substr(0, upperLabel.size() - 2); // without the closing " /"
    if (subjectCp1252 == kat[27].FachName.view()) { // evangelische Religion
        ctx.strikeWord(lowerCell, lowerLabel, lowerLabel, lowerCell);
        ctx.strikeWord(upperCell, upperLabel, katholisch, upperCell);
    } else if (subjectCp1252 == kat[28].FachName.view()) { // katholische Religion
        ctx.strikeWord(lowerCell, lowerLabel, lowerLabel, lowerCell);
        ctx.strikeWord(upperCell, upperLabel, evangelisch, upperCell);
    } else if (subjectCp1252 == kat[24].FachName.view()) { // Philosophieren mit Kindern
        ctx.strikeWord(upperCell, upperLabel, religion, upperCell);
    }
}

void ElectiveBlock(PageContext& ctx, const TZgnRec& rec, int rows, bool wordMode)
{
    if (ctx.drawn(slot::TableOrigin))
        ctx.text(slot::ElectiveHeading, "Wahlpflichtunterricht");
    const TFstSlot origin = ctx.slot(slot::ElectiveOrigin);
    const int tableX = ctx.slot(slot::TableOrigin).X;
    const int pitch = ctx.slot(slot::ElectivePitch).Y;
    auto baseLine = [&](int r) { return origin.Y + (r - 1) * pitch; };

    if (origin.drawnOn(ctx.page())) {
        struct Side {
            int firstSlot, nameX, gradeSlot, additionSlot;
            bool captions;
        };
        const Side sides[] = {
            {19, origin.X, slot::ElectiveLeftGrade, slot::ElectiveLeftAddition, rows == 2},
            {22, origin.X + ctx.slot(slot::ElectiveRightNames).X, slot::ElectiveRightGrade, slot::ElectiveRightAddition,
             false},
        };
        for (const Side& side : sides) {
            for (int r = 1; r <= rows; ++r) {
                const int end = tableX + ctx.slot(side.gradeSlot).X - kRuleGap;
                electiveName(ctx, side.nameX, end, baseLine(r), rec.slot(side.firstSlot + r - 1).Fach.view(), origin);
                ctx.hline({side.nameX, end}, baseLine(r), 2);
                if (side.captions)
                    ctx.text(TableTextCell(origin.X, baseLine(r) + kUnderCaption, ctx.slot(slot::CaptionFont), origin),
                             r == 1 ? "1. Halbjahr" : "2. Halbjahr");
            }
            for (int r = 1; r <= rows; ++r) {
                const TFstSlot& style = ctx.slot(side.gradeSlot);
                const int x = origin.X + style.X;
                ctx.hline({x - kBoxHalfWidth, x + kBoxHalfWidth}, baseLine(r), 2);
                GradeCellText(ctx, TableCell(x, baseLine(r), style, origin),
                              GradeText(rec.slot(side.firstSlot + r - 1).Note, wordMode));
            }
            for (int r = 1; r <= rows; ++r) {
                const TFstSlot& style = ctx.slot(side.additionSlot);
                ctx.text(TableCell(origin.X + style.X, baseLine(r), style, origin),
                         cp1252ToUtf8(rec.slot(side.firstSlot + r - 1).Zusatz.view()));
            }
        }
    }

    ctx.text(slot::ElectiveOverallCaption, "Gesamtnote im Wahlpflichtunterricht");
    const TFstSlot overall = ctx.slot(slot::ElectiveOverall);
    if (overall.Page == ctx.page())
        ctx.box({overall.X - kBoxHalfWidth, truncated(overall.Y - 0.75 * ctx.slot(slot::RowPitch).Y),
                 overall.X + kBoxHalfWidth, overall.Y},
                22);
    GradeCellText(ctx, overall, GradeText(rec.slot(25).Note, wordMode));
    ctx.recordText(slot::ElectiveOverallAddition, rec.slot(25).Zusatz.view());
}

} // namespace ruvek
