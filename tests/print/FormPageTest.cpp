#include "print/FormPage.h"

#include "TempFolder.h"
#include "print/FormFile.h"
#include "print/RecordingCanvas.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

namespace ruvek {
namespace {

class FormPage : public ::testing::Test {
protected:
    test::TempFolder tmp;
    FormFolders folders{tmp.root(), tmp.root() / "Daten"};
    TDrkEinstRec options;
    test::ScriptedPrompter prompter;
    TFstTable table{};
    RecordingCanvas canvas;
    TPageOrigins origins = TPageOrigins::fromMargins(150, 150);
    const FormFileInfo form{"Anl003.FST", "(Halb-)/Jahres-Zeugnis der Grundschule Klassenstufe 2-4"};

    void SetUp() override
    {
        DrkEinstDefaults(options);
        TFstTable slots{};
        NewFormDefaults(slots);
        test::writeText(folders.program / form.fileName, FormFileText("Grundschule 2-4", slots));
    }
};

TEST_F(FormPage, CornerMarksAndFrameBeforeTheElements)
{
    options.Korrekturecke = 1;
    std::string title;
    const auto offset = BeginFormPage(canvas, table, form, 2, origins, folders, options, prompter, &title);
    ASSERT_TRUE(offset);
    EXPECT_EQ(*offset, (DeviceOffsetXY{150, 150}));
    EXPECT_EQ(title, "Grundschule 2-4");
    const auto lines = canvas.ops(CanvasOpKind::LineTo);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].x1, 150);
    EXPECT_EQ(lines[2].x1, 250); // second mark at RandInnen 100
    EXPECT_EQ(canvas.count(CanvasOpKind::Rectangle), 2u); // double frame, box type 12, on both pages
}

TEST_F(FormPage, NoFormNoDrawing)
{
    prompter.answers = {false};
    const FormFileInfo missing{"Anl999.FST", "fehlt"};
    std::string title;
    EXPECT_FALSE(BeginFormPage(canvas, table, missing, 1, origins, folders, options, prompter, &title));
    EXPECT_EQ(title, ":::");
    EXPECT_TRUE(canvas.drawOps().empty());
}

} // namespace
} // namespace ruvek
