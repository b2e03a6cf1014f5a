#include "exchange/StudentImport.h"

#include "classfile/ClassFile.h"
#include "classfile/RecordCollection.h"
#include "common/Cp1252.h"
#include "editor/TextLimits.h"
#include "exchange/TextFields.h"

namespace ruvek {

std::string joinImportField(std::string_view current, std::string_view separator, std::string_view column,
                            std::size_t cut)
{
    std::string joined;
    if (separator.empty())
        joined = column;
    else if (separator == "++")
        joined = std::string(current) + std::string(column);
    else
        joined = std::string(current) + std::string(separator) + std::string(column);
    if (joined.size() > cut)
        joined.resize(cut);
    return joined;
}

namespace {

template <std::size_t N>
void joinInto(PStr<N>& field, const TImportFeld& entry, std::string_view column)
{
    field = joinImportField(field.view(), entry.Trenner.view(), column, N + 1);
}

bool isFemaleMark(std::string_view column)
{
    return !column.empty() && std::string_view("1FJWfjw").find(column.front()) != std::string_view::npos;
}

} // namespace

void applyStudentLine(TZgnRec& rec, std::string line, const ImportLayout& layout)
{
    for (std::size_t i = 1; i < layout.size(); ++i) {
        if (lineExhausted(line))
            return;
        const TImportFeld& entry = layout[i];
        const auto field = static_cast<ImportField>(entry.Feld);
        if (field == ImportField::NoColumn6 || field == ImportField::NoColumn7)
            continue;
        const std::string column = nextColumn(line);
        switch (field) {
        case ImportField::Name: joinInto(rec.Name, entry, column); break;
        case ImportField::Vorname: joinInto(rec.Vorname, entry, column); break;
        case ImportField::GebDatum: rec.GebDatum = std::string_view(column).substr(0, 10); break;
        case ImportField::PersAngabe: joinInto(rec.PersAngabe, entry, column); break;
        case ImportField::Weiblich: rec.Weiblich = isFemaleMark(column) ? 1 : 0; break;
        case ImportField::Klasse: joinInto(rec.Klasse, entry, column); break;
        default: break;   // the column is consumed and ignored
        }
    }
}

std::string studentLinesRefusal(const std::vector<std::string>& lines, const ImportLayout& layout)
{
    // Each line is read into a scratch record exactly as the import will
    // read it, so the check sees the same columns.
    TZgnRec probe{};
    for (std::size_t n = 0; n < lines.size(); ++n) {
        probe.GebDatum = std::string_view();
        applyStudentLine(probe, lines[n], layout);
        if (!editor::IsDateMaskText(probe.GebDatum.view()))
            return "Zeile " + std::to_string(n + 1) + ", Geburtsdatum: „" + cp1252ToUtf8(probe.GebDatum.view()) +
                   "“ ist kein Datum der Form " + editor::kDateMaskForm + ".";
    }
    return {};
}

int importStudents(OpenClass& oc, const std::vector<std::string>& lines, const ImportLayout& layout,
                   bool takeOverFromPredecessor)
{
    // The students keep the order of the file, right after the current one.
    const std::size_t added = addRecordsAfterCurrent(
        oc, lines.size(), takeOverFromPredecessor,
        [&](TZgnRec& rec, std::size_t n) { applyStudentLine(rec, lines[n], layout); });
    oc.changed = true;
    return static_cast<int>(added);
}

} // namespace ruvek
