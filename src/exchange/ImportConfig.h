#pragma once
// The column layout of the student text import, kept in IMPORT.CFG in the
// program folder: up to 21 records of 6 bytes (a 16-bit field code and a
// separator string of capacity 3). Entry 0 is never used; entries 1 to 20
// describe the columns of a line from left to right.
#include "common/ByteFields.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace ruvek {

inline constexpr const char* kImportConfigFile = "IMPORT.CFG";
inline constexpr std::size_t kImportFieldCount = 21;

// The record field a column fills.
enum class ImportField : std::int16_t {
    Ignore = 0,      // one column consumed and ignored
    Name = 1,
    Vorname = 2,
    GebDatum = 3,
    PersAngabe = 4,
    Weiblich = 5,
    NoColumn6 = 6,   // 6 and 7 consume no column
    NoColumn7 = 7,
    Klasse = 8,
};
inline constexpr int kHighestImportField = 8;

struct TImportFeld {
    static constexpr std::size_t Size = 6;
    std::int16_t Feld = 0;
    PStr<3> Trenner;   // how a value joins an earlier value of the same field
};

template <class R, class V>
    requires std::is_same_v<std::remove_const_t<R>, TImportFeld>
void visitFields(R& r, V&& v)
{
    v("Feld", 0, r.Feld);
    v("Trenner", 2, r.Trenner);
}

using ImportLayout = std::array<TImportFeld, kImportFieldCount>;

// Name; first name; birth date (separator ": "); personal text; gender;
// two entries without a column; class.
ImportLayout defaultImportLayout();

// The layout read from the bytes of IMPORT.CFG, or the German message why
// the file cannot serve: its size is no whole number of records (or more
// than 21), or it names a field code the import does not know.
struct ImportLayoutResult {
    std::optional<ImportLayout> layout;
    std::string error;        // UTF-8, empty when layout is set
    bool fromFile = false;
};
ImportLayoutResult parseImportLayout(ConstBytes file);

// IMPORT.CFG from the program folder (letter case ignored); the default
// layout when there is none.
ImportLayoutResult loadImportLayout(const std::filesystem::path& programFolder);

} // namespace ruvek
