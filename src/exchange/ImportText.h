#pragma once
// The lines of a text file to import, as Windows-1252 text (the character
// set of the records). Exports of other programs come in Windows-1252 or,
// today mostly, in UTF-8 with or without a byte-order mark: a file that is
// valid UTF-8 is taken as UTF-8 and converted; characters that Windows-1252
// cannot hold become "?" and are reported with their line.
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
    bool utf8 = false;                // the file was read as UTF-8
    std::vector<UnmappableCharacter> unmappable;
};

// Splits the bytes into lines at LF (a CR before it and a lone CR end the
// line too); a final line end adds no empty line.
ImportText decodeImportText(ConstBytes bytes);

// Reads and decodes a file; nullopt when it cannot be opened or read.
std::optional<ImportText> readImportText(const std::filesystem::path& path);

// One German line per unmappable character, for the messages.
std::string unmappableReport(const std::vector<UnmappableCharacter>& found);

} // namespace ruvek
