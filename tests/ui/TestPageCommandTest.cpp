// The menu command "Testblatt ausdrucken " without an installed printer:
// the proposed file name carries the program version, and a PDF that cannot
// be written is reported with the device's reason.
#include "qtdraw/PrinterDevice.h"
#include "support/ScriptedPrompter.h"
#include "ui/mainwindow/MainForm.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;
using ruvek::MessageKind;

namespace {

TEST(TestPageCommand, UnwritablePdfIsReportedAsError)
{
    ASSERT_FALSE(ruvek::PrinterDevice::printerInstalled()) << "the test programs run without a printer";
    QTemporaryDir dir;
    const fs::path programFolder = dir.path().toStdString();
    ruvek::test::ScriptedPrompter prompter;
    ruvek::ui::TMainForm form(ruvek::ui::MainFormSetup{programFolder, &prompter});

    // A folder of the chosen name: the PDF cannot take its place.
    const fs::path target = programFolder / "Testblatt.pdf";
    fs::create_directory(target);
    prompter.files = {target};
    form.estblattausdrucken1Click();

    ASSERT_EQ(prompter.dialogs.size(), 1u);
    EXPECT_EQ(prompter.dialogs[0].proposedName, "Testblatt Druckerausgabe Ruvek V.2.x.pdf");
    const auto shown = prompter.log();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].kind, MessageKind::Error);
    EXPECT_EQ(shown[0].text.rfind("Die PDF-Datei konnte nicht geschrieben werden: " + target.string(), 0),
              0u)
        << shown[0].text;
    EXPECT_TRUE(fs::is_directory(target));
}

} // namespace
