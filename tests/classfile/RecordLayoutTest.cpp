// The byte layout of the student record, the subject slot and the class file
// header, checked against a table written down independently of ZgnRec.h.
#include "classfile/ZgnRec.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace ruvek;

namespace {
struct FieldSpec {
    const char* name; // "" for reserved bytes
    std::size_t offset;
    std::size_t bytes;
};

const std::vector<FieldSpec> kRecordLayout = {
    {"Frei0", 0, 2},         {"Status", 2, 2},         {"Frei4", 4, 2},          {"SchulartNeu", 6, 2},
    {"Zufall", 8, 2},        {"Frei10", 10, 2},        {"Frei12", 12, 2},        {"Frei14", 14, 2},
    {"SchlNr", 16, 4},       {"Name", 20, 31},         {"Vorname", 51, 31},      {"GebDatum", 82, 11},
    {"PersAngabe", 93, 31},  {"Weiblich", 124, 4},     {"MonatJahr1", 128, 21},  {"MonatJahr2", 149, 21},
    {"", 170, 7},            {"", 177, 43},            {"ZgnTyp", 220, 2},       {"Halbjahr1", 222, 2},
    {"Ebene", 224, 2},       {"AbschlArt", 226, 2},    {"Klassenstufe", 228, 2}, {"SjBeginn", 230, 5},
    {"Klasse", 235, 6},      {"KlLehrer", 241, 6},     {"NeueSchule", 247, 31},  {"Jahrgang", 278, 3},
    {"Fehltage", 281, 6},    {"FehltageE", 287, 6},    {"", 293, 1},             {"Praedikat", 294, 2},
    {"ZgnOrt", 296, 31},     {"ZgnDatum", 327, 21},    {"NichtDrucken", 348, 2}, {"Empfehlung", 350, 2},
    {"Anlage", 352, 4},      {"AnlageAlt", 356, 4},    {"AnlageFaecher", 360, 4}, {"Klassenart", 364, 2},
    {"Frei366", 366, 2},     {"Frei368", 368, 2},      {"UePruefung", 370, 2},   {"Datum2", 372, 11},
    {"PrFach", 383, 6},      {"", 389, 1},             {"Bestanden", 390, 2},    {"Frei392", 392, 2},
    {"Frei394", 394, 2},     {"Frei396", 396, 2},      {"Frei398", 398, 41},     {"", 439, 1},
    {"Faecher", 440, 1100},  {"LEBText", 1540, 2001},  {"Vermerke", 3541, 501}, {"FLInfo", 4042, 2001},
    {"", 6043, 1},
};

const std::vector<FieldSpec> kSlotLayout = {
    {"Fach", 0, 31}, {"Note", 31, 2}, {"Zusatz", 33, 3}, {"Niveau", 36, 2}, {"Hinweis", 38, 6},
};

const std::vector<FieldSpec> kHeaderLayout = {
    {"Anzahl", 0, 2}, {"Kennung", 2, 13}, {"", 15, 5}, {"Version", 20, 2}, {"LeseVersion", 22, 2}, {"", 24, 68},
};

template <class Rec>
std::vector<FieldSpec> layoutOf()
{
    std::vector<FieldSpec> out;
    Rec rec{};
    visitFields(rec, [&](const char* name, std::size_t offset, auto& field) {
        out.push_back({name ? name : "", offset, fieldSize<std::remove_cvref_t<decltype(field)>>()});
    });
    return out;
}

template <class Rec>
void expectLayout(const std::vector<FieldSpec>& expected, std::size_t totalSize)
{
    const auto actual = layoutOf<Rec>();
    ASSERT_EQ(actual.size(), expected.size());
    std::size_t end = 0;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(expected[i].name);
        EXPECT_EQ(std::string(actual[i].name), expected[i].name);
        EXPECT_EQ(actual[i].offset, expected[i].offset);
        EXPECT_EQ(actual[i].bytes, expected[i].bytes);
        EXPECT_EQ(expected[i].offset, end) << "gap or overlap before the field";
        end = expected[i].offset + expected[i].bytes;
    }
    EXPECT_EQ(end, totalSize);
    EXPECT_EQ(Rec::Size, totalSize);
}
} // namespace

TEST(RecordLayout, StudentRecordFieldsAtTheirOffsets) { expectLayout<TZgnRec>(kRecordLayout, 6044); }
TEST(RecordLayout, SubjectSlotFieldsAtTheirOffsets) { expectLayout<TFachEintrag>(kSlotLayout, 44); }
TEST(RecordLayout, HeaderFieldsAtTheirOffsets) { expectLayout<TDateiKopf>(kHeaderLayout, 92); }

// Values put into the fields land at the documented bytes, little endian,
// strings with their length byte, and come back unchanged.
TEST(RecordLayout, ValuesLandAtTheDocumentedBytes)
{
    TZgnRec r{};
    r.Status = 1;
    r.SchlNr = -9999999;
    r.Name = "M\xFCller"; // Windows-1252 ü
    r.Weiblich = -1;
    r.Klassenstufe = 7;
    r.Anlage = 104;
    r.slot(25).Note = "3";
    r.slot(2).Hinweis = "abcdefg"; // cut to 5
    r.FLInfo = "x";
    const auto image = toBytes(r);

    EXPECT_EQ(getI16(image, 2), 1);
    EXPECT_EQ(getI32(image, 16), -9999999);
    EXPECT_EQ(image[20], 6);
    EXPECT_EQ(image[21], 'M');
    EXPECT_EQ(image[22], 0xFC);
    EXPECT_EQ(getI32(image, 124), -1);
    EXPECT_EQ(getI16(image, 228), 7);
    EXPECT_EQ(getI32(image, 352), 104);
    EXPECT_EQ(image[440 + 44 * 24 + 31], 1);
    EXPECT_EQ(image[440 + 44 * 24 + 32], '3');
    EXPECT_EQ(image[440 + 44 + 38], 5);
    EXPECT_EQ(std::string(image.begin() + 440 + 44 + 39, image.begin() + 440 + 44 + 44), "abcde");
    EXPECT_EQ(image[4042], 'x');
    EXPECT_EQ(image[4043], 0);

    const auto back = fromBytes<TZgnRec>(image);
    EXPECT_EQ(toBytes(back), image);
}

// Capacities: a longer value keeps its first n characters; a text field of
// n characters has its terminating 0 in its last byte.
TEST(RecordLayout, CapacitiesCutLongValues)
{
    TZgnRec r{};
    r.Name = std::string(40, 'a');
    EXPECT_EQ(r.Name.str(), std::string(30, 'a'));
    r.SjBeginn = "202627";
    EXPECT_EQ(r.SjBeginn.str(), "2026");
    r.LEBText = std::string(2000, 'L');
    r.Vermerke = std::string(600, 'V');
    const auto image = toBytes(r);
    EXPECT_EQ(image[1540 + 1999], 'L');
    EXPECT_EQ(image[1540 + 2000], 0);
    EXPECT_EQ(fromBytes<TZgnRec>(image).LEBText.str(), std::string(2000, 'L'));
    EXPECT_EQ(fromBytes<TZgnRec>(image).Vermerke.str(), std::string(500, 'V'));
    EXPECT_EQ(image[3541 + 500], 0);
}

TEST(RecordLayout, HeaderMagic)
{
    TDateiKopf h{};
    h.Kennung = kKennung;
    const auto image = toBytes(h);
    EXPECT_EQ(image[2], 12);
    EXPECT_EQ(std::string(image.begin() + 3, image.begin() + 15), "jvq Ruvek DB");
}
