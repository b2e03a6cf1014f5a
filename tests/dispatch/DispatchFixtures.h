#pragma once
// Students and settings shared by the plan and dispatcher tests.
#include "classfile/ZgnRec.h"
#include "common/Cp1252.h"
#include "settings/DrkEinst.h"

#include <filesystem>
#include <string>

namespace ruvek::test {

// The shipped form control files lie in data/ of the source tree.
inline const std::filesystem::path kShippedForms =
    std::filesystem::path(RUVEK_TEST_DATA_DIR) / ".." / ".." / "data";

inline TZgnRec student(const std::string& name, int annexCode, int status = 1, int nichtDrucken = 0)
{
    TZgnRec r;
    r.Status = static_cast<std::int16_t>(status);
    r.Name = utf8ToCp1252(name);
    r.Vorname = "Anna";
    r.Anlage = annexCode;
    r.NichtDrucken = static_cast<std::int16_t>(nichtDrucken);
    r.SjBeginn = "2026";
    r.Klasse = "3b";
    for (int k = 1; k <= 25; ++k) {
        r.slot(k).Fach = "???";
        r.slot(k).Note = "-";
        r.slot(k).Niveau = "-";
    }
    return r;
}

inline TDrkEinstRec printOptions(int doppelseitig, int nurNotwendige)
{
    TDrkEinstRec o;
    DrkEinstDefaults(o);
    o.Doppelseitig = static_cast<std::int16_t>(doppelseitig);
    o.NurNotwendigeDialoge = static_cast<std::int16_t>(nurNotwendige);
    return o;
}

} // namespace ruvek::test
