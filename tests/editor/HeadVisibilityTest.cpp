#include "editor/HeadVisibility.h"

#include <gtest/gtest.h>

#include <string>

using namespace ruvek;

// ---- Live reactions of the head selectors ----------------------------------

namespace {

// Flags in the column order of the visibility table: GroupBox3, Label45/Edit68,
// Label71/ComboBox44, RadioGroup1/BitBtn19, GroupBox6, GroupBox8, Memo2/Label32/BitBtn13.
std::string columns(const HeadVisibility& v)
{
    std::string s;
    for (bool b : {v.GroupBox3, v.Label45, v.Label71, v.RadioGroup1, v.GroupBox6, v.GroupBox8, v.Memo2})
        s += b ? '1' : '0';
    return s;
}

bool pairsAgree(const HeadVisibility& v)
{
    return v.Label45 == v.Edit68 && v.Label71 == v.ComboBox44 && v.RadioGroup1 == v.BitBtn19 &&
           v.Memo2 == v.Label32 && v.Memo2 == v.BitBtn13;
}

HeadVisibility allAs(bool b)
{
    HeadVisibility v;
    v.GroupBox3 = v.Label45 = v.Edit68 = v.Label71 = v.ComboBox44 = v.RadioGroup1 = v.BitBtn19 = v.GroupBox6 =
        v.GroupBox8 = v.Memo2 = v.Label32 = v.BitBtn13 = b;
    return v;
}

} // namespace

TEST(AnnexHeadSelectors, ComboBox41Change)
{
    struct Case {
        int zgnTyp, schultyp, radioGroup1;
        const char* fromHidden; // starting with every control hidden
        const char* fromShown;  // starting with every control visible
    };
    const Case table[] = {
        {1, 4, 0, "0000011", "0000011"},
        {2, 4, 0, "1100001", "1100001"},
        {3, 4, 0, "0001000", "0001000"}, // Gymnasium: qualification group, no class-level pair
        {3, 6, 0, "0100000", "0100000"}, // Realschule: the reverse
        {4, 2, 0, "0001000", "0001000"}, // the predicate pair follows RadioGroup1 in the end
        {4, 2, 2, "0011000", "0011000"},
        {4, 4, 2, "0011000", "0011000"},
        {5, 5, 0, "0011000", "0011000"},
        {5, 4, 1, "0011000", "0011000"},
        {6, 4, 0, "0000110", "0000110"},
        {7, 4, 0, "0000011", "0000011"},
        {7, 4, 2, "0010011", "0010011"},
        {0, 4, 0, "1100011", "1101111"}, // qualification and examination groups unchanged
        {0, 4, 2, "1110011", "1111111"},
    };
    for (const auto& c : table) {
        SCOPED_TRACE(testing::Message() << "Z" << c.zgnTyp << " S" << c.schultyp << " RG1 " << c.radioGroup1);
        const HeadVisibility a = ComboBox41Change(allAs(false), certificateTypeFromStored(c.zgnTyp), schoolTypeFromStored(c.schultyp), c.radioGroup1);
        const HeadVisibility b = ComboBox41Change(allAs(true), certificateTypeFromStored(c.zgnTyp), schoolTypeFromStored(c.schultyp), c.radioGroup1);
        EXPECT_EQ(columns(a), c.fromHidden);
        EXPECT_EQ(columns(b), c.fromShown);
        EXPECT_TRUE(pairsAgree(a));
        EXPECT_TRUE(pairsAgree(b));
    }
}

TEST(AnnexHeadSelectors, RadioGroup1AndComboBox42)
{
    EXPECT_TRUE(RadioGroup1Click(allAs(false), 2, CertificateType::Jahreszeugnis).Label71);
    EXPECT_TRUE(RadioGroup1Click(allAs(false), 0, CertificateType::AbschlussQualifiziert).ComboBox44);
    EXPECT_FALSE(RadioGroup1Click(allAs(true), 1, CertificateType::Abschluss).Label71);
    EXPECT_EQ(columns(RadioGroup1Click(allAs(true), 1, CertificateType::Abschluss)), "1101111");

    EXPECT_TRUE(ComboBox42Change(allAs(false), CertificateType::NichtGewaehlt).GroupBox6);
    EXPECT_EQ(ComboBox42Change(allAs(false), CertificateType::Abgang), allAs(false));
    EXPECT_EQ(ComboBox42Change(allAs(true), CertificateType::Abgang), allAs(true));
}

