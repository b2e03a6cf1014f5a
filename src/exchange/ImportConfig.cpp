#include "exchange/ImportConfig.h"

#include "common/FileLookup.h"
#include "common/InputFile.h"

#include <algorithm>

namespace ruvek {

ImportLayout defaultImportLayout()
{
    ImportLayout layout{};
    for (int f = 1; f <= kHighestImportField; ++f)
        layout[static_cast<std::size_t>(f)].Feld = static_cast<std::int16_t>(f);
    // The date rule takes the column's first ten characters and never uses
    // the separator; it is part of the layout all the same.
    layout[3].Trenner = ": ";
    return layout;
}

ImportLayoutResult parseImportLayout(ConstBytes file)
{
    ImportLayoutResult out;
    out.fromFile = true;
    if (file.empty() || file.size() % TImportFeld::Size != 0 ||
        file.size() > kImportFieldCount * TImportFeld::Size) {
        out.error = "Die Datei " + std::string(kImportConfigFile) + " hat eine ungültige Größe (" +
                    std::to_string(file.size()) + " Bytes).\nErwartet werden 1 bis 21 Einträge zu je 6 Bytes.\n\n"
                    "Der Import wurde nicht ausgeführt.";
        return out;
    }
    ImportLayout layout{};
    const std::size_t count = file.size() / TImportFeld::Size;
    for (std::size_t i = 0; i < count; ++i) {
        decodeRecord(layout[i], file.subspan(i * TImportFeld::Size, TImportFeld::Size));
        // Entry 0 is never used, so whatever it holds does no harm.
        if (i > 0 && (layout[i].Feld < 0 || layout[i].Feld > kHighestImportField)) {
            out.error = "Die Datei " + std::string(kImportConfigFile) + " enthält im Eintrag " + std::to_string(i) +
                        " den unbekannten Feld-Code " + std::to_string(layout[i].Feld) +
                        ".\nErlaubt sind die Codes 0 bis 8.\n\nDer Import wurde nicht ausgeführt.";
            return out;
        }
        // A separator is joined into names and classes: it must be text a
        // keyboard types and no longer than its field.
        const auto& trenner = layout[i].Trenner;
        const std::string_view sep = trenner.view();
        if (i > 0 && (trenner.bytes[0] > trenner.Capacity ||
                      std::any_of(sep.begin(), sep.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; }))) {
            out.error = "Die Datei " + std::string(kImportConfigFile) + " enthält im Eintrag " + std::to_string(i) +
                        " ein ungültiges Trennzeichen (Steuerzeichen oder mehr als 3 Zeichen).\n\n"
                        "Der Import wurde nicht ausgeführt.";
            return out;
        }
    }
    out.layout = layout;
    return out;
}

ImportLayoutResult loadImportLayout(const std::filesystem::path& programFolder)
{
    const auto path = findFileIgnoringCase(programFolder, kImportConfigFile);
    if (!path)
        return {defaultImportLayout(), {}, false};
    // 21 records of 6 bytes are read; a larger file is no layout.
    InputFile file = readInputFile(*path, std::uintmax_t{1} << 20);
    if (!file) {
        ImportLayoutResult out;
        out.fromFile = true;
        out.error = file.message + "\n\nDer Import wurde nicht ausgeführt.";
        return out;
    }
    return parseImportLayout(file.bytes);
}

} // namespace ruvek
