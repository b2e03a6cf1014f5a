#pragma once
// The lines of a text file to import, as Windows-1252 text (the character
// set of the records). Exports of other programs come in Windows-1252 or,
// today mostly, in UTF-8 with or without a byte-order mark: a file that is
// valid UTF-8 is taken as UTF-8 and converted; characters that Windows-1252
// cannot hold become "?" and are reported with their line. UTF-16 and
// UTF-32 (spreadsheet programs save "Unicode text" so) are recognised by
// their byte-order mark or, without one, by the pattern of their zero bytes,
// and converted the same way. Text that no keyboard types - NUL and the
// other control characters; a tab separates fields and stays allowed - is
// refused with its line and field named, before anything is imported.
#include "common/ByteFields.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace ruvek {

// A character that Windows-1252 cannot hold.
struct UnmappableCharacter {
    int line = 0;           // 1-based
    std::string character;  // UTF-8
    bool operator==(const UnmappableCharacter&) const = default;
};

struct ImportText {
    std::vector<std::string> lines;   // Windows-1252, without line ends
    bool utf8 = false;                // the file was read as Unicode (UTF-8, -16 or -32)
    std::string encoding;             // "UTF-16LE", "UTF-16BE", "UTF-32LE", "UTF-32BE" when converted
    std::vector<UnmappableCharacter> unmappable;
    // Why the text must not be imported (German, names line and field);
    // empty when it may.
    std::string refused;
    bool undecodable = false;          // broken UTF-16/UTF-32: nothing could be read
};

// Splits the bytes into lines at LF (a CR before it and a lone CR end the
// line too); a final line end adds no empty line.
ImportText decodeImportText(ConstBytes bytes);

// Import texts larger than this are refused unread (a class holds at most
// 65,535 students; lines of a few hundred characters stay far below).
inline constexpr std::uintmax_t kImportTextLimit = std::uintmax_t{64} << 20;

// Reads and decodes a file; nullopt, with the German message naming the
// file in `error`, when it cannot be read (missing, a folder, a device or
// FIFO, too large, broken UTF-16/UTF-32).
std::optional<ImportText> readImportText(const std::filesystem::path& path, std::string& error);

// One German line per unmappable character, for the messages.
std::string unmappableReport(const std::vector<UnmappableCharacter>& found);

} // namespace ruvek
