#include "exchange/FdbFile.h"

#include "common/Cp1252.h"
#include "common/InputFile.h"
#include "common/TextInput.h"

#include <type_traits>

namespace ruvek {

TFaNoEintrag gradeListEntry(const TZgnRec& rec, int slot)
{
    TFaNoEintrag e;
    if (slot <= 0)
        return e;
    e.Kopf = {rec.Frei0, rec.Status, rec.Frei4, rec.SchulartNeu, rec.Zufall, rec.Frei10, rec.Frei12, rec.Frei14};
    e.SchlNr = rec.SchlNr;
    e.Name = rec.Name;
    e.Vorname = rec.Vorname;
    e.ZgnTyp = rec.ZgnTyp;
    e.Ebene = rec.Ebene;
    e.Klasse = rec.Klasse;
    e.KlLehrer = rec.KlLehrer;
    e.Fehltage = rec.Fehltage;
    e.FehltageE = rec.FehltageE;
    const TFachEintrag& s = rec.slot(slot);
    e.Fach = s.Fach;
    e.Note = s.Note;
    e.Zusatz = s.Zusatz;
    e.Niveau = s.Niveau;
    e.Hinweis = s.Hinweis;
    return e;
}

std::vector<std::uint8_t> encodeFdb(const TFaNoDB& list)
{
    std::vector<std::uint8_t> image(2 + list.size() * TFaNoEintrag::Size, 0);
    putU16(image, 0, static_cast<std::uint16_t>(list.size()));
    std::size_t off = 2;
    for (auto it = list.rbegin(); it != list.rend(); ++it, off += TFaNoEintrag::Size)
        encodeRecord(*it, Bytes(image).subspan(off, TFaNoEintrag::Size));
    return image;
}

namespace {
template <class T> struct IsPStr : std::false_type {};
template <std::size_t N> struct IsPStr<PStr<N>> : std::true_type {};
} // namespace

std::string fdbEntriesRefusal(const TFaNoDB& list)
{
    for (std::size_t i = 0; i < list.size(); ++i) {
        std::string problem;
        visitFields(list[i], [&](const char* name, std::size_t, const auto& field) {
            using T = std::decay_t<decltype(field)>;
            if constexpr (IsPStr<T>::value) {
                if (!problem.empty() || name == nullptr)
                    return;
                if (field.bytes[0] > T::Capacity)
                    problem = std::string(name) + ": Längenangabe " + std::to_string(field.bytes[0]) + " bei Platz für " +
                              std::to_string(T::Capacity) + " Zeichen";
                else if (const auto at = findControlCharacter(field.view()))
                    problem = std::string(name) + ": Zeichen, das nicht eingegeben werden kann: " +
                              controlCharacterName(static_cast<unsigned char>(field.view()[*at]));
            }
        });
        if (!problem.empty())
            return "Eintrag " + std::to_string(i + 1) + ", " + problem + ".";
    }
    return {};
}

bool readFdbFile(const std::filesystem::path& path, TFaNoDB& list, std::vector<std::uint8_t>* image,
                 std::string* error)
{
    const auto fail = [&](const std::string& why) {
        if (error)
            *error = why;
        return false;
    };
    InputFile file = readInputFile(path, kFdbFileLimit);
    if (!file)
        return fail(file.message);
    const std::vector<std::uint8_t>& bytes = file.bytes;
    const std::string damaged = "Die Datei „" + path.string() + "“ ist keine vollständige Fachzensuren-Liste";
    if (bytes.size() < 2)
        return fail(damaged + ".");
    const std::size_t n = getU16(bytes, 0);
    const std::size_t used = 2 + n * TFaNoEintrag::Size;
    if (bytes.size() < used)
        return fail(damaged + ": Sie kündigt " + std::to_string(n) + " Einträge an, enthält aber weniger.");
    TFaNoDB read(n);
    std::size_t off = 2;
    for (auto it = read.rbegin(); it != read.rend(); ++it, off += TFaNoEintrag::Size)
        decodeRecord(*it, ConstBytes(bytes).subspan(off, TFaNoEintrag::Size));
    if (const std::string refused = fdbEntriesRefusal(read); !refused.empty())
        return fail("Die Datei „" + path.string() + "“ enthält Ungültiges: " + refused);
    list = std::move(read);
    if (image)
        image->assign(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(used));
    return true;
}

std::string fdbListFileName(std::string_view classFile, std::string_view kurzCp1252)
{
    std::string base(classFile.substr(0, classFile.size() >= 4 ? classFile.size() - 4 : 0));
    std::string kurz = cp1252ToUtf8(kurzCp1252);
    for (char& c : kurz)
        if (static_cast<unsigned char>(c) < 0x20 || std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos)
            c = '_';
    return base + "_" + kurz + ".FDB";
}

std::string fdbBackupFileName(std::string_view listFileName)
{
    return std::string(listFileName.substr(0, listFileName.size() >= 4 ? listFileName.size() - 4 : 0)) + ".§DB";
}

} // namespace ruvek
