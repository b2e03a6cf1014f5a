#include "settings/FachKatalog.h"

#include "common/Cp1252.h"
#include "forms/AnnexCatalogue.h"
#include "settings/SettingsIo.h"

#include <initializer_list>

namespace ruvek {

namespace {

// Group marks of the default table, one letter each.
enum Mark : unsigned {
    K = 1u << 0,  // CoreGroup
    D = 1u << 1,  // GermanGroup
    M = 1u << 2,  // MathsGroup
    F = 1u << 3,  // ForeignLanguageGroup
    G = 1u << 4,  // SocialGroup
    R = 1u << 5,  // ReligionGroup
    N = 1u << 6,  // ScienceGroup
    A = 1u << 7,  // ArtsGroup
    T = 1u << 8,  // TechGroup
    I = 1u << 9,  // ComputingGroup
    S = 1u << 10, // SportGroup
    AllMarks = (1u << 11) - 1,
};

// School types as a bit set over 0..7.
constexpr unsigned types(std::initializer_list<int> list)
{
    unsigned bits = 0;
    for (int t : list)
        bits |= 1u << t;
    return bits;
}
constexpr unsigned kAllTypes = 0xFF;        // 0-7
constexpr unsigned k0_2to7 = types({0, 2, 3, 4, 5, 6, 7});

struct DefaultEntry {
    const char* name; // UTF-8
    const char* kurz;
    unsigned marks;
    unsigned schularten;
    bool exam;
};

// Entries 0..42; 43..50 are unused.
constexpr DefaultEntry kDefaults[] = {
    /*  0 */ {"  - - -", "---", AllMarks, kAllTypes, true},
    /*  1 */ {"???", "???", AllMarks, kAllTypes, true},
    /*  2 */ {"Arbeit-Wirtschaft-Technik", "AWT", T, types({0, 4, 7}), false},
    /*  3 */ {"Arbeit-Wirtschaft-Technik u. Informatik", "AWTuI", T | I, types({0, 1, 2, 3, 5, 6, 7}), false},
    /*  4 */ {"Arbeitslehre", "AL", 0, types({0, 7}), false},
    /*  5 */ {"Astronomie", "Ast", N, types({0, 7}), true},
    /*  6 */ {"Biologie", "Bio", N, k0_2to7, true},
    /*  7 */ {"Chemie", "Ch", N, k0_2to7, true},
    /*  8 */ {"Darstellendes Spiel", "DSp", 0, types({0, 7}), false},
    /*  9 */ {"Deutsch", "Deu", K | D, kAllTypes, false},
    /* 10 */ {"Englisch", "Eng", F, kAllTypes, false},
    /* 11 */ {"Französisch", "Fr", F, kAllTypes, false},
    /* 12 */ {"Geografie", "Geo", G, k0_2to7, true},
    /* 13 */ {"Geschichte", "Ges", G, k0_2to7, true},
    /* 14 */ {"Griechisch", "Gr", F, types({0, 3, 4, 7}), false},
    /* 15 */ {"Hauswirtschaft", "HW", 0, types({0, 2, 3, 5, 6, 7}), false},
    /* 16 */ {"Informatik", "Inf", I, types({0, 4, 7}), false},
    /* 17 */ {"Kunst und Gestaltung", "Ku+Ge", A, k0_2to7, false},
    /* 18 */ {"Kunst", "Ku", A, types({0, 1, 7}), false},
    /* 19 */ {"Latein", "Lat", F, types({0, 3, 4, 7}), false},
    /* 20 */ {"Mathematik", "Ma", K | M, kAllTypes, false},
    /* 21 */ {"Musik", "Mu", A, k0_2to7, false},
    /* 22 */ {"Naturkunde", "NaKu", 0, types({0, 7}), false},
    /* 23 */ {"Naturwissenschaften", "NaWi", N, types({0, 3, 7}), false},
    /* 24 */ {"Philosophieren mit Kindern", "PmK", R, kAllTypes, false},
    /* 25 */ {"Physik", "Ph", N, k0_2to7, true},
    /* 26 */ {"Portugisisch", "Por", F, types({0, 3, 4, 7}), false},
    /* 27 */ {"evangelische Religion", "evRel", R, kAllTypes, false},
    /* 28 */ {"katholische Religion", "kaRel", R, kAllTypes, false},
    /* 29 */ {"Russisch", "Ru", F, kAllTypes, false},
    /* 30 */ {"Sachkunde", "SaKu", 0, types({0, 1, 7}), false},
    /* 31 */ {"Sachunterricht", "SU", 0, types({0, 1, 7}), false},
    /* 32 */ {"Schwedisch", "Sw", F, kAllTypes, false},
    /* 33 */ {"Sozialkunde", "Sk", G, k0_2to7, true},
    /* 34 */ {"Spanisch", "Spa", F, k0_2to7, false},
    /* 35 */ {"Sport", "Sp", S, kAllTypes, false},
    /* 36 */ {"Technik", "Te", T, types({0, 7}), false},
    /* 37 */ {"Technik/Arbeitslehre", "Te/AL", T, types({0, 7}), false},
    /* 38 */ {"Weltkunde", "WeKu", 0, types({0, 3, 7}), false},
    /* 39 */ {"Werken", "Wer", 0, types({0, 4, 7}), false},
    /* 40 */ {"Ersatzunterricht Musik", "E Mu", A, kAllTypes, false},
    /* 41 */ {"Ersatzunterricht Kunst", "E Ku", A, kAllTypes, false},
    /* 42 */ {"Jahresarbeit", "JArb", A, kAllTypes, false},
};
static_assert(std::size(kDefaults) == 43);

void setMarks(TFachEintragKat& e, unsigned marks)
{
    auto bit = [marks](unsigned m) -> std::int16_t { return (marks & m) ? 1 : 0; };
    e.CoreGroup = bit(K);
    e.GermanGroup = bit(D);
    e.MathsGroup = bit(M);
    e.ForeignLanguageGroup = bit(F);
    e.SocialGroup = bit(G);
    e.ReligionGroup = bit(R);
    e.ScienceGroup = bit(N);
    e.ArtsGroup = bit(A);
    e.TechGroup = bit(T);
    e.ComputingGroup = bit(I);
    e.SportGroup = bit(S);
}

// Index of the default entry named name (UTF-8), -1 if none.
int defaultEntryNamed(std::string_view name)
{
    for (int i = 2; i < static_cast<int>(std::size(kDefaults)); ++i)
        if (name == kDefaults[i].name)
            return i;
    return -1;
}

std::string_view cut(std::string_view s, std::size_t n) { return s.substr(0, std::min(s.size(), n)); }

bool nameMatches(const TFachEintragKat& e, std::string_view name)
{
    return e.FachName.view() == cut(name, 40);
}

bool isUnused(const TFachEintragKat& e) { return e.FachName.view() == kFachUnbenutzt; }

// Short-file message. The file's content is not taken over in part: a
// catalogue mixed from file and default entries could put two subjects on the
// same row of a form.
std::string shortFileMessage(const std::filesystem::path& path, std::uintmax_t size)
{
    return "Die Fächer-Einstellungs-Datei\n" + path.string() + "\nist unvollständig (" + std::to_string(size) +
           " statt " + std::to_string(kFaecherDatSize) + " Bytes) und wurde nicht gelesen.\n\n"
           "Es gelten die vorgegebenen Fächer.";
}

} // namespace

void FachKatalogDefaults(TFachKatalog& kat)
{
    kat = TFachKatalog{};
    for (int i = 0; i < kFachKatalogCount; ++i) {
        TFachEintragKat& e = kat[i];
        if (i < static_cast<int>(std::size(kDefaults))) {
            const DefaultEntry& d = kDefaults[i];
            e.FachName = utf8ToCp1252(d.name);
            e.FachKurz = utf8ToCp1252(d.kurz);
            setMarks(e, d.marks);
            for (int t = 0; t < kFachSchulartenCount; ++t)
                e.Schularten[static_cast<std::size_t>(t)] = (d.schularten >> t) & 1u;
            e.ExamSubject = d.exam ? 1 : 0;
        } else {
            e.FachName = kFachUnbenutzt;
            e.FachKurz = "---";
        }
    }
    // The rows of the subjects on each certificate form, from the form catalogue.
    for (const AnnexForm& form : AnnexCatalogue()) {
        if (form.code >= kFachPositionCount)
            continue;
        for (const DefaultSubjectRow& r : form.defaultRows) {
            const int entry = defaultEntryNamed(r.subject);
            if (entry < 0)
                continue; // cannot happen: every row names a default subject (checked by the tests)
            kat[entry].Position[static_cast<std::size_t>(form.code)] = r.row;
        }
    }
}

TFachKatalog defaultFachKatalog()
{
    TFachKatalog kat;
    FachKatalogDefaults(kat);
    return kat;
}

bool LoadFachKatalog(TFachKatalog& kat, const std::filesystem::path& dataFolder,
                     const std::filesystem::path& programFolder, Prompter& prompter)
{
    const auto path = findSettingsFileIn({dataFolder, programFolder}, kFaecherDatName);
    if (!path)
        return false; // no file: the defaults stay, nothing to report

    const auto file = readSettingsFile(*path, kFaecherDatSize);
    if (!file) {
        prompter.error(kMsgFaecherNichtGeoeffnet);
        return false;
    }
    // A longer file is read as far as the 51 entries go.
    if (file->size < kFaecherDatSize) {
        prompter.error(shortFileMessage(*path, file->size));
        return false;
    }

    // Entry 50 stands first in the file, entry 0 last.
    const ConstBytes image(file->prefix);
    for (int block = 0; block < kFachKatalogCount; ++block) {
        const int entry = kFachKatalogCount - 1 - block;
        decodeRecord(kat[entry], image.subspan(static_cast<std::size_t>(block) * TFachEintragKat::Size,
                                               TFachEintragKat::Size));
    }
    return true;
}

void BuildFachListen(const TFachKatalog& kat, TFachListen& listen)
{
    listen = TFachListen{};
    const auto name30 = [](const TFachEintragKat& e) { return std::string(cut(e.FachName.view(), 30)); };
    const auto kurz5 = [](const TFachEintragKat& e) { return std::string(cut(e.FachKurz.view(), 5)); };

    listen.FremdsprachenListe.push_back(name30(kat[0]));
    listen.ReligionsListe.push_back(name30(kat[0]));
    listen.PruefungsfachListe.push_back(kurz5(kat[0]));
    listen.FaecherListe.push_back(name30(kat[0]));
    for (int i = 1; i < kFachKatalogCount; ++i) {
        const TFachEintragKat& e = kat[i];
        if (isUnused(e))
            continue;
        if (e.ForeignLanguageGroup == 1)
            listen.FremdsprachenListe.push_back(name30(e));
        if (e.ReligionGroup == 1)
            listen.ReligionsListe.push_back(name30(e));
        if (e.ExamSubject == 1)
            listen.PruefungsfachListe.push_back(kurz5(e));
        listen.FaecherListe.push_back(name30(e));
    }
}

TFachListen buildFachListen(const TFachKatalog& kat)
{
    TFachListen listen;
    BuildFachListen(kat, listen);
    return listen;
}

bool IsForeignLanguage(const TFachKatalog& kat, std::string_view name)
{
    for (int i = 2; i < kFachKatalogCount; ++i)
        if (kat[i].ForeignLanguageGroup == 1 && nameMatches(kat[i], name))
            return true;
    return false;
}

bool IsReligionSubject(const TFachKatalog& kat, std::string_view name)
{
    for (int i = 2; i < kFachKatalogCount; ++i)
        if (kat[i].ReligionGroup == 1 && nameMatches(kat[i], name))
            return true;
    return false;
}

bool IsLevelSubject(const TFachKatalog& kat, std::string_view name, SchoolType schultyp)
{
    for (int i : {20, 9, 25, 7, 23})
        if (nameMatches(kat[i], name))
            return true;
    return schultyp == SchoolType::IntegrierteGesamtschule && nameMatches(kat[6], name);
}

std::string FachAnPosition(const TFachKatalog& kat, int annexCode, int row)
{
    if (annexCode < 0 || annexCode >= kFachPositionCount || row <= 0)
        return std::string(kFachUnbekannt);
    for (int i = 2; i < kFachKatalogCount; ++i)
        if (kat[i].Position[static_cast<std::size_t>(annexCode)] == row)
            return std::string(cut(kat[i].FachName.view(), 30));
    return std::string(kFachUnbekannt);
}

} // namespace ruvek
