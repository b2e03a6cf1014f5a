// The form editor's outlines against the real layouts: on every shipped
// form (every annex code, every publisher variant, both pages) each text the
// page shows belongs to the outline of at least one slot, so nothing drawn
// is out of reach of the mouse; and a text placed at a slot is outlined by
// that slot.
#include "ShippedCertificateForms.h"

#include "dispatch/DecisionTable.h"
#include "dispatch/PrintDispatch.h"
#include "print/SlotOutlines.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace ruvek;
using namespace ruvek::test;

namespace {

TEST(SlotOutlinesCoverage, EveryTextOfEveryShippedFormIsInASlotsOutline)
{
    TDrkEinstRec options;
    options.Zensurenkonferenz = 1;
    const TFachKatalog katalog = defaultFachKatalog();
    const DispatchEnvironment env{options, katalog, SchoolType::RegionaleSchule, "Schule", {kShippedForms, kShippedForms}};
    std::vector<std::string> unreachable;
    int pages = 0, nameOutlined = 0;
    for (const auto& [name, slots] : shippedCertificateForms()) {
        const int code = AnnexCodeOfFormFile(name);
        const CertificateKind* kind = PrintedKind(code);
        ASSERT_NE(kind, nullptr) << name;
        const TZgnRec rec = richStudent(code);
        for (int page = kind->firstPage; page <= kind->lastPage; ++page) {
            auto draw = [&](Canvas& canvas, const TFstTable& shifted) {
                LoadedForm form;
                form.info = {name, "Formular"};
                form.table = shifted;
                form.loaded = true;
                canvas.setMetricMapping();
                DrawPlannedPage(canvas, env, &form, rec, code, page, 0);
            };
            RecordingCanvas canvas;
            const auto outlines = MeasureSlotOutlines(canvas, slots, SlotFamilyOfFile(name), draw);
            draw(canvas, slots);
            const std::vector<CanvasOp> texts = canvas.ops(CanvasOpKind::TextOut);
            ++pages;
            for (const CanvasOp& op : texts) {
                const PaperBox box = DrawOpBoxes(canvas, op).front();
                const bool found = std::any_of(outlines.begin(), outlines.end(), [&](const SlotOutline& o) {
                    return std::find(o.parts.begin(), o.parts.end(), box) != o.parts.end();
                });
                if (!found)
                    unreachable.push_back(name + " page " + std::to_string(page) + ": \"" + op.text + "\"");
            }
            // The student's name is outlined by the name slot where the page shows it.
            const auto nameText = std::find_if(texts.begin(), texts.end(),
                                               [](const CanvasOp& op) { return op.text.find("Sommer") != std::string::npos; });
            if (nameText != texts.end() && slots[16].drawnOn(page) &&
                SlotFamilyOfFile(name) == SlotFamily::Certificate) {
                const PaperBox box = DrawOpBoxes(canvas, *nameText).front();
                const auto slot16 = std::find_if(outlines.begin(), outlines.end(),
                                                 [](const SlotOutline& o) { return o.slot == 16; });
                ASSERT_NE(slot16, outlines.end()) << name;
                EXPECT_NE(std::find(slot16->parts.begin(), slot16->parts.end(), box), slot16->parts.end()) << name;
                ++nameOutlined;
            }
        }
    }
    EXPECT_GE(pages, 70);
    EXPECT_GE(nameOutlined, 30);
    EXPECT_TRUE(unreachable.empty()) << unreachable.size() << " texts, the first: " << unreachable.front();
}

} // namespace
