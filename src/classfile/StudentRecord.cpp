#include "classfile/StudentRecord.h"

#include <algorithm>
#include <chrono>
#include <unordered_map>
#include <unordered_set>

namespace ruvek {

RandomSource clockSeededRandom()
{
    return RandomSource{
        static_cast<RandomSource::result_type>(std::chrono::system_clock::now().time_since_epoch().count())};
}

std::int16_t drawZufall(RandomSource& random)
{
    std::uniform_int_distribution<int> dist(1, 57000);
    return static_cast<std::int16_t>(dist(random));
}

TFachEintrag emptySlot()
{
    TFachEintrag slot;
    slot.Fach = "???";
    slot.Note = "-";
    slot.Zusatz = "";
    slot.Niveau = "-";
    slot.Hinweis = "";
    return slot;
}

namespace {
// The key numbers in use, and the search for the next free generated one.
// Generated numbers only ever get taken, never given back, so the search can
// go on from where it stopped last time.
class KeyNumberPool {
public:
    explicit KeyNumberPool(const TDB2& list)
    {
        for (const auto& r : list)
            ++m_count[r.SchlNr];
    }
    bool carried(std::int32_t key) const
    {
        const auto it = m_count.find(key);
        return it != m_count.end() && it->second > 0;
    }
    void change(std::int32_t from, std::int32_t to)
    {
        --m_count[from];
        ++m_count[to];
    }
    std::int32_t nextFree()
    {
        while (carried(m_next))
            ++m_next;
        return m_next;
    }

private:
    std::unordered_map<std::int32_t, int> m_count;
    std::int32_t m_next = kFirstGeneratedKey;
};
} // namespace

std::int32_t newKeyNumber(const TDB2& list, std::optional<std::size_t> self)
{
    std::unordered_set<std::int32_t> used;
    used.reserve(list.size());
    for (std::size_t i = 0; i < list.size(); ++i)
        if (i != self)
            used.insert(list[i].SchlNr);
    std::int32_t key = kFirstGeneratedKey;
    while (used.contains(key))
        ++key;
    return key;
}

KeyNumberSequence::KeyNumberSequence(const TDB2& list)
{
    m_used.reserve(list.size());
    for (const TZgnRec& r : list)
        m_used.insert(r.SchlNr);
}

std::int32_t KeyNumberSequence::take()
{
    // Numbers are only ever added to the set, so the lowest free one never
    // lies below where the last search stopped.
    while (m_used.contains(m_next))
        ++m_next;
    m_used.insert(m_next);
    return m_next;
}

void initialiseRecord(TZgnRec& r, const TDB2& list, SchoolType schoolType, RandomSource& random,
                      std::optional<std::size_t> self)
{
    initialiseRecordWithKey(r, 0, schoolType, random);
    r.SchlNr = newKeyNumber(list, self);
}

void initialiseRecordWithKey(TZgnRec& r, std::int32_t key, SchoolType schoolType, RandomSource& random)
{
    r.Frei0 = 0;
    r.Status = 1;
    r.Frei4 = 1;
    r.SchulartNeu = static_cast<std::int16_t>(toInt(schoolType));
    r.Zufall = drawZufall(random);
    r.Frei10 = 0;
    r.Frei12 = 0;
    r.Frei14 = 0;

    r.Name = "???";
    r.Vorname = "";
    r.GebDatum = "  .  .19  ";
    r.PersAngabe = "???";
    r.Weiblich = -1;
    r.MonatJahr1 = "September ????";
    r.MonatJahr2 = "August 2004";
    r.Reserved170 = {};
    r.ZgnTyp = 0;
    r.SjBeginn = "???";
    r.Klasse = "???";
    r.NeueSchule = "  - - -";
    r.Jahrgang = "--";
    r.Fehltage = "- -";
    r.FehltageE = "- -";
    r.Praedikat = 0;
    r.ZgnOrt = "???";
    r.ZgnDatum = "  .  .20  ";
    r.Empfehlung = 0;
    r.Anlage = -1;
    r.AnlageAlt = -1;
    r.AnlageFaecher = -1;
    r.Klassenart = 0;
    r.Frei366 = 0;
    r.Frei368 = 0;
    r.UePruefung = 0;
    r.Datum2 = "  .  .20  ";
    r.PrFach = "???";
    r.Bestanden = 0;
    r.Frei392 = 0;
    r.Frei394 = 0;
    r.Frei396 = 0;
    for (auto& slot : r.Faecher)
        slot = emptySlot();
    r.LEBText = kStruckOutText;
    r.Vermerke = kStruckOutText;
    r.FLInfo = kStruckOutText;
    r.SchlNr = key;
}

std::size_t makeKeyNumbersUnique(TDB2& list)
{
    // Nearly every file has no duplicate at all: that is found with one
    // sorted array of the numbers, without the tables below.
    {
        std::vector<std::int32_t> keys;
        keys.reserve(list.size());
        for (const TZgnRec& r : list)
            keys.push_back(r.SchlNr);
        std::sort(keys.begin(), keys.end());
        if (std::adjacent_find(keys.begin(), keys.end()) == keys.end())
            return 0;
    }
    // Positions of every key number, in list order. Processing the groups in
    // the order of their first member, and each group's later members in
    // list order, gives the same result as comparing every record with every
    // later one: a number handed out is free at that moment, so it never
    // forms a new group.
    std::unordered_map<std::int32_t, std::vector<std::size_t>> positions;
    for (std::size_t i = 0; i < list.size(); ++i)
        positions[list[i].SchlNr].push_back(i);

    KeyNumberPool pool(list);
    std::size_t changedCount = 0;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const auto it = positions.find(list[i].SchlNr);
        if (it == positions.end() || it->second.size() < 2 || it->second.front() != i)
            continue;
        const std::int32_t key = list[i].SchlNr;
        for (std::size_t n = 1; n < it->second.size(); ++n) {
            auto& dup = list[it->second[n]];
            std::int32_t replacement;
            if (key > 0 && !pool.carried(-key))
                replacement = -key;
            else
                replacement = pool.nextFree();
            pool.change(dup.SchlNr, replacement);
            dup.SchlNr = replacement;
            ++changedCount;
        }
        positions.erase(it);
    }
    return changedCount;
}

namespace {
template <class Field>
Field readAt(ConstBytes v1, std::size_t offset)
{
    Field f{};
    if constexpr (std::is_integral_v<Field>)
        detail::readField(v1, offset, f);
    else
        std::copy_n(v1.begin() + offset, Field::Size, f.bytes.begin());
    return f;
}

// Copies a version-1 string into a version-2 field: its significant
// characters only, cut to the capacity of the new field.
template <std::size_t N, std::size_t M>
void copyString(ConstBytes v1, std::size_t offset, PStr<M>& to)
{
    to.set(readAt<PStr<N>>(v1, offset).view());
}

TFachEintrag readSlotV1(ConstBytes v1, std::size_t offset)
{
    TFachEintrag slot;
    copyString<30>(v1, offset + 0, slot.Fach);
    copyString<1>(v1, offset + 31, slot.Note);
    copyString<2>(v1, offset + 33, slot.Zusatz);
    copyString<1>(v1, offset + 36, slot.Niveau);
    copyString<5>(v1, offset + 38, slot.Hinweis);
    return slot;
}
} // namespace

TZgnRec convertRecordV1(ConstBytes v1)
{
    TZgnRec r{}; // every byte 0
    r.Frei0 = readAt<std::int16_t>(v1, 0);
    r.Status = readAt<std::int16_t>(v1, 2);
    r.Frei4 = readAt<std::int16_t>(v1, 4);
    // Version 1 knew no school type between 2 and 3; later codes moved up.
    const std::uint16_t schulart = readAt<std::uint16_t>(v1, 6);
    r.SchulartNeu = static_cast<std::int16_t>(schulart <= 2 ? schulart : schulart + 1);
    r.Zufall = readAt<std::int16_t>(v1, 8);
    r.Frei10 = readAt<std::int16_t>(v1, 10);
    r.Frei12 = readAt<std::int16_t>(v1, 12);
    r.Frei14 = readAt<std::int16_t>(v1, 14);
    r.SchlNr = readAt<std::int32_t>(v1, 16);
    copyString<30>(v1, 20, r.Name);
    copyString<30>(v1, 51, r.Vorname);
    copyString<10>(v1, 82, r.GebDatum);
    copyString<30>(v1, 93, r.PersAngabe);
    r.Weiblich = readAt<std::int32_t>(v1, 124);
    copyString<20>(v1, 128, r.MonatJahr1);
    copyString<20>(v1, 149, r.MonatJahr2);
    r.Ebene = readAt<std::int16_t>(v1, 174);
    // Version 1 counted class levels from 5.
    r.Klassenstufe = static_cast<std::int16_t>(readAt<std::int16_t>(v1, 178) + 4);
    copyString<4>(v1, 180, r.SjBeginn);
    copyString<5>(v1, 185, r.Klasse);
    copyString<5>(v1, 191, r.KlLehrer);
    copyString<30>(v1, 197, r.NeueSchule);
    copyString<2>(v1, 228, r.Jahrgang);
    copyString<5>(v1, 231, r.Fehltage);
    copyString<5>(v1, 237, r.FehltageE);
    copyString<30>(v1, 243, r.ZgnOrt);
    copyString<20>(v1, 274, r.ZgnDatum);
    r.NichtDrucken = readAt<std::int16_t>(v1, 296);
    r.Empfehlung = readAt<std::int16_t>(v1, 298);
    r.Frei366 = readAt<std::int16_t>(v1, 300);
    r.Frei368 = readAt<std::int16_t>(v1, 302);
    r.UePruefung = readAt<std::int16_t>(v1, 306);
    copyString<10>(v1, 308, r.Datum2);
    copyString<5>(v1, 319, r.PrFach);
    r.Bestanden = readAt<std::int16_t>(v1, 326);
    r.Frei392 = readAt<std::int16_t>(v1, 328);
    r.Frei394 = readAt<std::int16_t>(v1, 330);
    r.Frei396 = readAt<std::int16_t>(v1, 332);
    copyString<3>(v1, 334, r.Frei398);

    // Version 1 had eight subjects per block; slots 9 and 18 are new.
    for (int j = 0; j < 8; ++j) {
        r.slot(1 + j) = readSlotV1(v1, 338 + 44 * static_cast<std::size_t>(j));
        r.slot(10 + j) = readSlotV1(v1, 690 + 44 * static_cast<std::size_t>(j));
    }
    for (int j = 0; j < 6; ++j)
        r.slot(19 + j) = readSlotV1(v1, 1042 + 44 * static_cast<std::size_t>(j));
    r.slot(25) = readSlotV1(v1, 1394);
    r.slot(9) = emptySlot();
    r.slot(18) = emptySlot();

    // The version-1 report text had room for 1000 characters.
    std::copy_n(v1.begin() + 1839, 1001, r.LEBText.bytes.begin());

    r.ZgnTyp = 0;
    r.Halbjahr1 = 0;
    r.AbschlArt = 0;
    r.Praedikat = 0;
    r.Klassenart = 0;
    r.Anlage = -1;
    r.AnlageAlt = -1;
    r.AnlageFaecher = 0;
    return r;
}

} // namespace ruvek
