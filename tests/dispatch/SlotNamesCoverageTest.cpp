// The slot-name table against the layouts: every slot any layout looks at
// while it draws any shipped form (every annex code, every publisher
// variant, both pages) has a name, and its use is not "frei".
#include "ShippedCertificateForms.h"

#include "dispatch/DecisionTable.h"
#include "layouts/PageContext.h"
#include "print/RecordingCanvas.h"
#include "print/SlotNames.h"

#include <gtest/gtest.h>

#include <bitset>
#include <set>

using namespace ruvek;
using namespace ruvek::test;

namespace {

// The annex codes a shipped form file is printed for.
std::vector<int> codesOfFile(const std::string& name)
{
    const int n = AnnexCodeOfFormFile(name);
    if (n == 24)
        return {24, 25};
    return {n};
}

TEST(SlotNames, EverySlotALayoutReadsHasAName)
{
    TDrkEinstRec options;
    options.Zensurenkonferenz = 1;
    const TFachKatalog katalog = defaultFachKatalog();
    std::set<std::string> missing;
    int forms = 0;
    std::bitset<kFstSlotCount> everRead;
    for (const auto& [name, slots] : shippedCertificateForms()) {
        const SlotFamily family = SlotFamilyOfFile(name);
        for (const int code : codesOfFile(name)) {
            const CertificateKind* kind = PrintedKind(code);
            ASSERT_NE(kind, nullptr) << name;
            ++forms;
            for (const SchoolType type : {SchoolType::Grundschule, SchoolType::RegionaleSchule, SchoolType::Gymnasium,
                                          SchoolType::IntegrierteGesamtschule}) {
                const CertificateEnvironment env{options, katalog, type, "Schule"};
                for (int page = kind->firstPage; page <= kind->lastPage; ++page) {
                    RecordingCanvas canvas;
                    canvas.setMetricMapping();
                    PageContext ctx(canvas, env, slots, page);
                    kind->layout(ctx, richStudent(code), code);
                    for (std::size_t s = 0; s < kFstSlotCount; ++s) {
                        if (!ctx.slotsRead().test(s))
                            continue;
                        everRead.set(s);
                        if (SlotInfoOf(static_cast<int>(s), family).use == SlotUse::Unused)
                            missing.insert(name + " slot " + std::to_string(s));
                    }
                }
            }
        }
    }
    EXPECT_GE(forms, 70);
    EXPECT_TRUE(missing.empty()) << [&] {
        std::string all;
        for (const std::string& m : missing)
            all += m + "\n";
        return all;
    }();
    EXPECT_GE(everRead.count(), 90u) << "the layouts read most slots";
    // The slots named as never drawn are indeed never read.
    EXPECT_FALSE(everRead.test(13));
    EXPECT_FALSE(everRead.test(105));
}

// Moving a page shifts exactly the slots whose numbers are a position: the
// free-text blocks' line count and spacing, the offsets of the tables and
// the size of the coat of arms stay.
TEST(SlotNames, UsesOfTheSlotsWhoseNumbersAreNoPosition)
{
    const struct {
        int slot;
        SlotFamily family;
        SlotUse use;
    } cases[] = {
        {67, SlotFamily::Certificate, SlotUse::Parameters}, {70, SlotFamily::Certificate, SlotUse::Parameters},
        {70, SlotFamily::Report, SlotUse::Parameters},      {40, SlotFamily::Certificate, SlotUse::Parameters},
        {54, SlotFamily::Certificate, SlotUse::Parameters}, {122, SlotFamily::Certificate, SlotUse::Size},
        {34, SlotFamily::Certificate, SlotUse::Offset},     {84, SlotFamily::Examination, SlotUse::Parameters},
        {76, SlotFamily::Examination, SlotUse::Position},   {76, SlotFamily::Certificate, SlotUse::Position},
        {25, SlotFamily::Receipt, SlotUse::Position},       {8, SlotFamily::Certificate, SlotUse::Position},
        {13, SlotFamily::Certificate, SlotUse::Unused},     {0, SlotFamily::Certificate, SlotUse::Unused},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.slot);
        EXPECT_EQ(SlotInfoOf(c.slot, c.family).use, c.use);
        EXPECT_EQ(SlotMovesWithPage(c.slot, c.family), c.use == SlotUse::Position);
    }
    EXPECT_STREQ(SlotInfoOf(8, SlotFamily::Certificate).name, "Schuljahr");
    EXPECT_STREQ(SlotInfoOf(16, SlotFamily::Certificate).name, "Name");
    EXPECT_EQ(SlotFamilyOfFile("/x/anl143.fst"), SlotFamily::Receipt);
    EXPECT_EQ(SlotFamilyOfFile("Anl024.FST"), SlotFamily::Examination);
    EXPECT_EQ(SlotFamilyOfFile("Anl017_1031.FST"), SlotFamily::Certificate);
    EXPECT_EQ(AnnexCodeOfFormFile("/a/Anl017_2031.FST"), 17);
    EXPECT_EQ(AnnexCodeOfFormFile("Anl04a.FST"), 104);
    EXPECT_EQ(AnnexCodeOfFormFile("anl143.fst"), 41);
    EXPECT_EQ(AnnexCodeOfFormFile("Zeugnis.FST"), 0);
    EXPECT_EQ(AnnexCodeOfFormFile("AnlXYZ.FST"), 0);
}

} // namespace
