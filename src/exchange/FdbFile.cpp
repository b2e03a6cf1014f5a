#include "exchange/FdbFile.h"

#include "common/Cp1252.h"
#include "common/SafeFile.h"

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

bool readFdbFile(const std::filesystem::path& path, TFaNoDB& list, std::vector<std::uint8_t>* image)
{
    std::vector<std::uint8_t> bytes;
    if (!readWholeFile(path, bytes) || bytes.size() < 2)
        return false;
    const std::size_t n = getU16(bytes, 0);
    const std::size_t used = 2 + n * TFaNoEintrag::Size;
    if (bytes.size() < used)
        return false;
    TFaNoDB read(n);
    std::size_t off = 2;
    for (auto it = read.rbegin(); it != read.rend(); ++it, off += TFaNoEintrag::Size)
        decodeRecord(*it, ConstBytes(bytes).subspan(off, TFaNoEintrag::Size));
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
