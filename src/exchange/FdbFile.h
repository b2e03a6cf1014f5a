#pragma once
// Subject grade list files (.FDB): for one class and one subject, one entry
// per student with the student's identity and the grade, addition, level and
// note in that subject. A 16-bit count, then the entries of 464 bytes, the
// last entry of the list first (as in the class file). No header, no version.
#include "classfile/ZgnRec.h"
#include "common/ByteFields.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace ruvek {

// One entry of a subject grade list: 464 bytes.
struct TFaNoEintrag {
    static constexpr std::size_t Size = 464;
    std::array<std::int16_t, 8> Kopf{}; // bytes 0..15 of the student record (Frei0, Status, ...)
    std::int32_t SchlNr = -999999;
    PStr<30> Name{"  - - -"};
    PStr<30> Vorname;
    Raw<2> Reserved82;
    std::int16_t ZgnTyp = 0;
    std::int16_t Ebene = 0;
    PStr<5> Klasse{"???"};
    PStr<5> KlLehrer{"???"};
    PStr<5> Fehltage;
    PStr<5> FehltageE;
    Raw<6> Reserved112;
    Raw<301> Reserved118;
    PStr<30> Fach{"???"};
    PStr<1> Note{"-"};
    PStr<2> Zusatz;
    PStr<1> Niveau{"-"};
    PStr<5> Hinweis;
    Raw<1> Reserved463;

    // The same student: key number, surname and first name all equal.
    bool sameStudent(const TFaNoEintrag& other) const
    {
        return SchlNr == other.SchlNr && Name == other.Name && Vorname == other.Vorname;
    }
    bool sameStudent(const TZgnRec& rec) const
    {
        return SchlNr == rec.SchlNr && Name == rec.Name && Vorname == rec.Vorname;
    }
};

template <class R, class V>
    requires std::is_same_v<std::remove_const_t<R>, TFaNoEintrag>
void visitFields(R& r, V&& v)
{
    for (std::size_t i = 0; i < r.Kopf.size(); ++i)
        v("Kopf", 2 * i, r.Kopf[i]);
    v("SchlNr", 16, r.SchlNr);
    v("Name", 20, r.Name);
    v("Vorname", 51, r.Vorname);
    v(nullptr, 82, r.Reserved82);
    v("ZgnTyp", 84, r.ZgnTyp);
    v("Ebene", 86, r.Ebene);
    v("Klasse", 88, r.Klasse);
    v("KlLehrer", 94, r.KlLehrer);
    v("Fehltage", 100, r.Fehltage);
    v("FehltageE", 106, r.FehltageE);
    v(nullptr, 112, r.Reserved112);
    v(nullptr, 118, r.Reserved118);
    v("Fach", 419, r.Fach);
    v("Note", 450, r.Note);
    v("Zusatz", 452, r.Zusatz);
    v("Niveau", 455, r.Niveau);
    v("Hinweis", 457, r.Hinweis);
    v(nullptr, 463, r.Reserved463);
}

// A list in memory (TFaNoDB), in list order.
using TFaNoDB = std::vector<TFaNoEintrag>;

// The entry of a student for the subject slot `slot` (1..25) of the record;
// slot 0 gives the empty entry, whose fields are the defaults above.
TFaNoEintrag gradeListEntry(const TZgnRec& record, int slot);

// The file image of a list: count, then the entries last one first.
std::vector<std::uint8_t> encodeFdb(const TFaNoDB& list);

// A list file is at most a count and 65,535 entries.
inline constexpr std::uintmax_t kFdbFileLimit = 2 + 65535 * TFaNoEintrag::Size;

// Why the entries of a list must not be taken (German, names the entry and
// field): a text whose length byte exceeds its field (the bytes behind would
// be read as text), or a text holding control characters. Empty when fine.
std::string fdbEntriesRefusal(const TFaNoDB& list);

// Reads a list file. False (list untouched) when the file cannot be read, is
// shorter than its count announces or holds an entry fdbEntriesRefusal
// refuses; `error`, when given, then receives the German reason naming the
// file. `image`, when given, receives the bytes of the count and the
// entries exactly as they stand in the file.
bool readFdbFile(const std::filesystem::path& path, TFaNoDB& list, std::vector<std::uint8_t>* image = nullptr,
                 std::string* error = nullptr);

// File names for class file `classFile` (its name, e.g. "7a.RVK") and the
// subject abbreviation `kurz` (Windows-1252): "7a_Deu.FDB" and its backup
// "7a_Deu.§DB". Characters that file names cannot hold (path separators,
// the characters Windows forbids, control characters) become "_", so a
// list can be created for every subject, also on a Windows share.
std::string fdbListFileName(std::string_view classFile, std::string_view kurzCp1252);
std::string fdbBackupFileName(std::string_view listFileName);

} // namespace ruvek
