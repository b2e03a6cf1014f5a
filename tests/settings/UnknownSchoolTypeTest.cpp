// A school settings file naming a school type the program does not know is
// kept as it is, and said once at start-up.
#include "settings/Installation.h"

#include "SettingsFilesTestSupport.h"
#include "support/ScriptedPrompter.h"

namespace ruvek {
namespace {

class UnknownSchoolType : public test::SettingsFolders {};

TEST_F(UnknownSchoolType, IsKeptAndReportedOnceAtStartUp)
{
    for (int stored : {0, 9, 10, 12, 65535}) {
        SCOPED_TRACE(stored);
        test::ScriptedPrompter prompter;
        std::vector<std::uint8_t> file(TSchulEinstRec::Size, 0);
        putU16(file, 0, static_cast<std::uint16_t>(stored));
        test::writeBytes(program / "SCHEINST.DAT", file);

        Installation inst;
        inst.load({program, data}, prompter);
        EXPECT_EQ(inst.settings.schule.Schultyp, stored);
        if (stored <= 9) {
            EXPECT_TRUE(prompter.log().empty());
            continue;
        }
        EXPECT_EQ(prompter.log(),
                  (std::vector{test::Shown::warning(
                      "Die Schul-Einstellungen (SCHEINST.DAT) nennen eine unbekannte Schulart (Schultyp " +
                      std::to_string(stored) +
                      ").\nOhne gültige Schulart können keine Zeugnisse gedruckt werden.\n\n"
                      "Bitte wählen Sie die Schulart unter \"Einstellungen\" -> \"Schul-Einstellungen\" aus.")}));
    }
}

} // namespace
} // namespace ruvek
