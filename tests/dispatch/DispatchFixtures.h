#pragma once
// Students and settings shared by the plan and dispatcher tests.
#include "classfile/ZgnRec.h"
#include "common/Cp1252.h"
#include "settings/DrkEinst.h"
#include "support/TempDir.h"

#include <filesystem>
#include <string>

namespace ruvek::test {

// The shipped form control files lie in data/ of the source tree. Tests
// that may write form files (a "yes" to the new-file question) work on a
// copy (ShippedFormsCopy), never on the source tree.
inline const std::filesystem::path kShippedForms = std::filesystem::path(RUVEK_SOURCE_DIR) / "data";

// A private folder with copies of the shipped form files, removed at the end.
class ShippedFormsCopy {
public:
    ShippedFormsCopy()
    {
        for (const auto& entry : std::filesystem::directory_iterator(kShippedForms))
            if (entry.path().extension() == ".FST")
                std::filesystem::copy_file(entry.path(), folder_.path() / entry.path().filename());
    }
    const std::filesystem::path& folder() const { return folder_.path(); }

private:
    TempDir folder_{"ruvek-forms"};
};

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
