#pragma once
// The completeness check before the class conference: one pass over the
// students whose certificates a series print would produce, listing what
// would make a certificate wrong or incomplete. Each finding names the
// editor page and the control (by objectName) where it is put right, so the
// window can jump there.
//
// The check only reads: it asks nothing, creates no form file and changes
// no record.
#include "classfile/ZgnRec.h"
#include "settings/Installation.h"

#include <cstddef>
#include <span>
#include <string>
#include <vector>

namespace ruvek {

// The editor pages, as their tabs are captioned.
namespace page {
inline constexpr const char* Kopf = "Zeugnis-Kopf";
inline constexpr const char* Text = "Text-Bereich";
inline constexpr const char* Vermerke = "Vermerke";
inline constexpr const char* Faecher = "Fächer u. Bewertungen";
inline constexpr const char* Fuss = "Zeugnis-Fuß";
} // namespace page

struct Finding {
    std::size_t listIndex = 0; // position of the record in the class (shown as listIndex + 1)
    std::string student;       // "Vorname Name", UTF-8
    std::string page;          // editor page (see namespace page)
    std::string field;         // objectName of the control to correct
    std::string text;          // what is wrong, German, UTF-8
    std::string caption{};     // the field as the teacher knows it ("Klassenlehrer")
    bool operator==(const Finding&) const = default;
};

// All findings for the certificates a series from the first record would
// print, in list order (a record's findings in page order).
std::vector<Finding> CheckCompleteness(std::span<const TZgnRec> records, const Installation& installation);

} // namespace ruvek
