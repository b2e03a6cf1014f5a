// The readers of what other programs hand over: import texts (students and
// grades), the column layout IMPORT.CFG and subject grade lists (.FDB).
// Whatever they accept must reach the records as text a keyboard types, and
// a list that was read must write back to the same bytes.
#include "FuzzSupport.h"
#include "FuzzTargets.h"

#include "classfile/OpenClass.h"
#include "exchange/FdbFile.h"
#include "exchange/GradeImport.h"
#include "exchange/GradeListImport.h"
#include "exchange/ImportConfig.h"
#include "exchange/ImportText.h"
#include "exchange/StudentImport.h"
#include "settings/FachKatalog.h"

#include <algorithm>

namespace ruvek::fuzz {
namespace {

bool typeable(std::string_view text)
{
    return std::none_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

// A small class whose students the grade imports can find.
OpenClass smallClass()
{
    OpenClass oc(SchoolType::RegionaleSchule, {}, RandomSource(1));
    oc.records.resize(2, oc.records[0]);
    oc.records[0].Name = "Adler";
    oc.records[0].Vorname = "Anna";
    oc.records[1].Name = "Berg";
    oc.records[1].Vorname = "Ben";
    for (TZgnRec& r : oc.records) {
        r.slot(1).Fach = "Deutsch";
        r.slot(4).Fach = "Mathematik";
    }
    oc.records[1].SchlNr = oc.records[0].SchlNr + 1;
    return oc;
}

void checkStudentTexts(const TDB2& records)
{
    for (const TZgnRec& r : records) {
        check(typeable(r.Name.view()) && typeable(r.Vorname.view()), "a control character reached a name");
        check(typeable(r.Klasse.view()) && typeable(r.PersAngabe.view()), "a control character reached a head field");
        check(typeable(r.GebDatum.view()), "a control character reached the birth date");
        for (int k = 1; k <= 25; ++k)
            check(typeable(r.slot(k).Note.view()) && typeable(r.slot(k).Zusatz.view()) &&
                      typeable(r.slot(k).Niveau.view()),
                  "a control character reached a grade");
    }
}

void importLines(const std::vector<std::string>& lines, const ImportLayout& layout)
{
    if (!studentLinesRefusal(lines, layout).empty())
        return;
    OpenClass oc = smallClass();
    const std::size_t before = oc.records.size();
    const int added = importStudents(oc, lines, layout, true);
    check(static_cast<std::size_t>(added) == lines.size(), "an accepted line was not imported");
    check(oc.records.size() == before + lines.size(), "the class did not grow by the lines");
    checkStudentTexts(oc.records);
}

} // namespace

int importText(const std::uint8_t* data, std::size_t size)
{
    const ImportText text = decodeImportText({data, size});
    if (text.undecodable || !text.refused.empty())
        return 0;
    for (const std::string& line : text.lines)
        check(std::none_of(line.begin(), line.end(),
                           [](char c) { return static_cast<unsigned char>(c) < 0x20 && c != '\t'; }),
              "an accepted import text holds a control character");
    importLines(text.lines, defaultImportLayout());

    OpenClass oc = smallClass();
    const GradeImportPlan plan = planGradeImport(oc.records, text.lines, defaultFachKatalog(), oc.schoolType);
    applyGradeImport(oc.records, plan);
    checkStudentTexts(oc.records);
    return 0;
}

int importCfg(const std::uint8_t* data, std::size_t size)
{
    const ImportLayoutResult result = parseImportLayout({data, size});
    check(result.layout.has_value() != !result.error.empty(), "a layout both read and refused");
    if (!result.layout)
        return 0;
    importLines({"Adler;Anna;01.02.2011;Text;w;x;y;7a", "Berg", "", ";;;;;;;;;;;;;;;;;;;;;;;;"}, *result.layout);
    return 0;
}

int fdbList(const std::uint8_t* data, std::size_t size)
{
    const auto file = putFile(freshFolder("fdb"), "7a_Deu.FDB", {data, size});
    TFaNoDB list;
    std::vector<std::uint8_t> image;
    std::string error;
    if (!readFdbFile(file, list, &image, &error)) {
        check(!error.empty(), "an unreadable list without a reason");
        return 0;
    }
    check(encodeFdb(list) == image, "a list read and written again differs from its file");
    OpenClass oc = smallClass();
    for (int halfYear = 0; halfYear <= 2; ++halfYear) {
        const ImportPlan plan = planGradeListImport(oc.records, list, defaultFachKatalog(), halfYear);
        applyGradeChanges(oc.records, plan);
    }
    checkStudentTexts(oc.records);
    return 0;
}

} // namespace ruvek::fuzz
