// The four file commands of the open class, driven through scripted dialogs.
#include "classfile/OpenClass.h"
#include "classfile/StudentRecord.h"

#include "Fixtures.h"
#include "support/FileSizeLimit.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>
#include <ostream>


using namespace ruvek;
using namespace ruvek::test;

namespace {
const std::string kAskOpenUnsaved =
    "Wollen Sie jetzt wirklich eine neue Datei öffnen \nohne die geänderten (aktuellen) Daten zu Speichern?";
const std::string kAskOldVersion = "Das Speichern älterer Dateien kann immer nur\nin der neuesten Datei-Version erfolgen!\n\n"
                                   "(Zum \"Nicht Speichern\" jetzt Vorgang \"Abbrechen\")";
const std::string kAskNew = "Wollen Sie jetzt eine neue Datei\n(Zeugnis-Datenbank) erstellen?";
const std::string kAskSaveBeforeNew = "Die aktuellen Daten enthalten\nnoch ungespeicherte Änderungen!\n\n"
                                      "Wollen Sie diese vor dem Anlegen\nder neuen Daten (Datei) noch speichern?";
const std::string kWrongFormat = "Die Datei hat nicht das erwartete Format!\nDie Daten können NICHT gelesen werden!!!";

// Records what the file commands ask of the window.
struct RecordingView : ClassFileView {
    std::vector<std::string> calls;
    std::string statusName;
    bool saveEnabled = false;
    bool showDeleted = true;
    bool central = true;
    std::vector<std::filesystem::path> loadedFrom, copiedTo;
    std::function<void()> onStore;

    void storeForm() override
    {
        calls.push_back("store");
        if (onStore)
            onStore();
    }
    void clearTableView() override { calls.push_back("clearTable"); }
    void showCurrentRecord() override { calls.push_back("show"); }
    void refreshIndicators() override { calls.push_back("indicators"); }
    void showClassFileName(const std::string& name) override { statusName = name; }
    void setSaveEnabled(bool e) override { saveEnabled = e; }
    bool showsDeletedRecords() const override { return showDeleted; }
    bool centralElectiveList() const override { return central; }
    void loadElectiveList(const std::filesystem::path& f) override { loadedFrom.push_back(f); }
    void copyElectiveList(const std::filesystem::path& f) override { copiedTo.push_back(f); }
};

// Everything a failed command must leave as it was.
struct Snapshot {
    std::vector<std::array<std::uint8_t, TZgnRec::Size>> records;
    std::array<std::uint8_t, TDateiKopf::Size> header;
    std::string fileName;
    std::filesystem::path dataFolder;
    bool changed;
    int current;
    explicit Snapshot(const OpenClass& c)
        : header(toBytes(c.header)), fileName(c.fileName), dataFolder(c.dataFolder), changed(c.changed),
          current(c.current)
    {
        for (const auto& r : c.records)
            records.push_back(toBytes(r));
    }
    bool operator==(const Snapshot&) const = default;
};

ByteVec classBytes(std::initializer_list<std::string> namesInListOrder, std::int32_t firstKey = 1)
{
    std::vector<ByteVec> recs;
    std::int32_t key = firstKey;
    for (const auto& n : namesInListOrder)
        recs.push_back(recordV2Bytes(n, key++));
    ByteVec out = headerBytes(static_cast<std::uint16_t>(recs.size()), 2);
    for (auto it = recs.rbegin(); it != recs.rend(); ++it)
        out.insert(out.end(), it->begin(), it->end());
    return out;
}

class OpenClassTest : public ::testing::Test {
protected:
    TempDir dir;
    RecordingView view;
    ScriptedPrompter prompter;
    OpenClass cls{SchoolType::RegionaleSchule, dir.path(), RandomSource(2)};

    void SetUp() override { cls.view = &view; }

    void openOk(const std::filesystem::path& path)
    {
        prompter.files.push_back(path);
        ASSERT_TRUE(cls.fileOpen(prompter));
    }
};
} // namespace

TEST_F(OpenClassTest, StartsAsAnUnsavedClassWithOneNewRecord)
{
    EXPECT_EQ(cls.fileName, "Vorgabe.RVK");
    EXPECT_TRUE(cls.isUnsaved());
    ASSERT_EQ(cls.count(), 1);
    EXPECT_EQ(cls.records[0].Name, "???");
    EXPECT_EQ(cls.records[0].SchulartNeu, 2);
    EXPECT_EQ(cls.newRecordTemplate.SchlNr, -9999999);
    EXPECT_EQ(cls.clipboard.SchlNr, -9999999);
    EXPECT_FALSE(cls.changed);
}

TEST_F(OpenClassTest, OpenReadsTheListInOrderAndWritesTheBackup)
{
    writeBytes(dir / "Klasse.RVK", classBytes({"Anna", "Bernd", "Carla"}));
    cls.changed = true; // changes of a never-saved class are given up without a question
    openOk(dir / "Klasse.RVK");

    EXPECT_TRUE(prompter.log().empty());
    ASSERT_EQ(prompter.dialogs.size(), 1u);
    EXPECT_EQ(prompter.dialogs[0].filter, "Zeugnis-KL-Datenbanken (*.RVK; *.ZDB)|*.RVK;*.ZDB|alle Dateien (*.*)|*.*");
    EXPECT_EQ(prompter.dialogs[0].proposedName, "");
    EXPECT_EQ(prompter.dialogs[0].folder, dir.path());

    ASSERT_EQ(cls.count(), 3);
    EXPECT_EQ(cls.records[0].Name, "Anna");
    EXPECT_EQ(cls.records[2].Name, "Carla");
    EXPECT_EQ(cls.fileName, "Klasse.RVK");
    EXPECT_EQ(cls.dataFolder, dir.path());
    EXPECT_EQ(cls.current, 0);
    EXPECT_FALSE(cls.changed);
    EXPECT_EQ(cls.header.Version, 2);
    EXPECT_EQ(cls.header.LeseVersion, 2);
    EXPECT_EQ(view.statusName, "Klasse.RVK");
    EXPECT_NE(std::find(view.calls.begin(), view.calls.end(), "show"), view.calls.end());
    EXPECT_EQ(std::find(view.calls.begin(), view.calls.end(), "store"), view.calls.end()); // no store on open

    // The backup is the same class and opens as one.
    ASSERT_TRUE(std::filesystem::exists(dir / "Klasse.$KL"));
    EXPECT_EQ(readBytes(dir / "Klasse.$KL"), readBytes(dir / "Klasse.RVK"));
    OpenClass other;
    ScriptedPrompter p2;
    ASSERT_TRUE(other.openFile(dir / "Klasse.$KL", p2));
    EXPECT_EQ(other.records[1].Name, "Bernd");
}

TEST_F(OpenClassTest, OpenRepairsDuplicateKeyNumbers)
{
    auto bytes = classBytes({"A", "B", "C"});
    // File order is C, B, A: give A (last in the file) and B the key 5.
    putI32(bytes, 92 + 6044 + 16, 5);
    putI32(bytes, 92 + 2 * 6044 + 16, 5);
    writeBytes(dir / "k.RVK", bytes);
    openOk(dir / "k.RVK");
    EXPECT_EQ(cls.records[0].SchlNr, 5);
    EXPECT_EQ(cls.records[1].SchlNr, -5);
    EXPECT_FALSE(cls.changed);
}

TEST_F(OpenClassTest, OpenWithDeletedHiddenStartsAtTheFirstActiveRecord)
{
    auto bytes = classBytes({"A", "B", "C"});
    putI16(bytes, 92 + 2 * 6044 + 2, 0); // A deleted
    writeBytes(dir / "k.RVK", bytes);
    view.showDeleted = false;
    openOk(dir / "k.RVK");
    EXPECT_EQ(cls.current, 1);
}

TEST_F(OpenClassTest, OpenAsksBeforeDroppingChangesOfASavedClass)
{
    writeBytes(dir / "k.RVK", classBytes({"A"}));
    openOk(dir / "k.RVK");
    cls.changed = true;
    const Snapshot before(cls);
    prompter.choices = {1};   // "Abbrechen"
    EXPECT_FALSE(cls.fileOpen(prompter));
    EXPECT_EQ(prompter.log(), (std::vector{Shown::question(kAskOpenUnsaved)}));
    EXPECT_EQ(Snapshot(cls), before);
    EXPECT_EQ(prompter.dialogs.size(), 1u); // no second dialog
}

// A class file named at program start opens without the dialog, after the
// same question about the changes of a saved class.
TEST_F(OpenClassTest, OpenOfANamedFileAsksLikeTheDialog)
{
    writeBytes(dir / "alt.RVK", classBytes({"Alt"}));
    writeBytes(dir / "neu.RVK", classBytes({"Neu1", "Neu2"}));
    for (const bool agree : {false, true}) {
        SCOPED_TRACE(agree);
        ScriptedPrompter asked;
        cls.changed = false;
        ASSERT_TRUE(cls.fileOpen(dir / "alt.RVK", asked));
        cls.changed = true;
        const Snapshot before(cls);
        asked.choices = {agree ? 0 : 1};   // "Verwerfen" / "Abbrechen"
        EXPECT_EQ(cls.fileOpen(dir / "neu.RVK", asked), agree);
        EXPECT_EQ(asked.log(), (std::vector{Shown::question(kAskOpenUnsaved)}));
        EXPECT_TRUE(asked.dialogs.empty());
        if (agree) {
            EXPECT_EQ(cls.fileName, "neu.RVK");
            EXPECT_EQ(cls.count(), 2);
            EXPECT_FALSE(cls.changed);
        } else {
            EXPECT_EQ(Snapshot(cls), before);
        }
    }
}

TEST_F(OpenClassTest, CancelledOpenChangesNothing)
{
    const Snapshot before(cls);
    prompter.files.push_back(std::nullopt);
    EXPECT_FALSE(cls.fileOpen(prompter));
    EXPECT_EQ(Snapshot(cls), before);
    EXPECT_EQ(view.statusName, "Vorgabe.RVK");
}

namespace {
struct RefusedFile {
    const char* name;
    ByteVec bytes;
    std::string message;
};
// Test names and failure output show the case, not a byte dump.
inline void PrintTo(const RefusedFile& c, std::ostream* os) { *os << c.name; }
} // namespace

class OpenRefused : public OpenClassTest, public ::testing::WithParamInterface<RefusedFile> {};

TEST_P(OpenRefused, LeavesTheOpenClassUnchanged)
{
    // A class already open from another folder, with unsaved changes.
    TempDir other;
    writeBytes(other / "alt.RVK", classBytes({"Bleibt", "Auch"}));
    openOk(other / "alt.RVK");
    cls.changed = true;
    cls.current = 1;
    const Snapshot before(cls);

    if (!GetParam().bytes.empty())
        writeBytes(dir / GetParam().name, GetParam().bytes);
    prompter.choices = {0}; // "Verwerfen": open without saving
    prompter.files.push_back(dir / GetParam().name);
    EXPECT_FALSE(cls.fileOpen(prompter));

    EXPECT_EQ(prompter.log(), (std::vector{Shown::question(kAskOpenUnsaved), Shown::error(GetParam().message)}));
    EXPECT_EQ(Snapshot(cls), before);
    EXPECT_FALSE(std::filesystem::exists(dir / (std::filesystem::path(GetParam().name).stem().string() + ".$KL")));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OpenRefused,
    ::testing::Values(
        RefusedFile{"alt.ZDB", classBytes({"A"}), "Diese Dateien können nicht mehr geöffnet werden!"},
        RefusedFile{"fehlt.RVK", {}, "Die Datei konnte nicht geöffnet werden!"},
        RefusedFile{"magie.RVK", [] { auto b = classBytes({"A"}); b[5] = 'X'; return b; }(), kWrongFormat},
        RefusedFile{"klein.zdb", ByteVec(50, 0), kWrongFormat},
        RefusedFile{"version.RVK", [] { auto b = classBytes({"A"}); putU16(b, 20, 3); return b; }(),
                    "Die Datei hat eine nicht bekannte Versionsnummer!\nDie Daten können NICHT gelesen werden!!!"},
        RefusedFile{"kurz.RVK", [] { auto b = classBytes({"A", "B"}); b.resize(b.size() - 1); return b; }(),
                    "Die Datei ist unvollständig (kürzer als im Dateikopf angegeben)!\n"
                    "Die Daten können NICHT gelesen werden!!!"},
        RefusedFile{"leer.RVK", headerBytes(0, 2),
                    "Die Datei enthält keine Schüler-Datensätze!\nDie Daten können NICHT gelesen werden!!!"}),
    [](const auto& testInfo) {
        std::string n = testInfo.param.name;
        for (char& c : n)
            if (c == '.')
                c = '_';
        return n;
    });

TEST_F(OpenClassTest, LowerCaseZdbIsJudgedByItsMagic)
{
    writeBytes(dir / "alt.zdb", classBytes({"A"}));
    openOk(dir / "alt.zdb");
    EXPECT_EQ(cls.fileName, "alt.zdb");
    EXPECT_TRUE(std::filesystem::exists(dir / "alt.$KL"));
}

TEST_F(OpenClassTest, VersionOneFileOpensConvertedAndAsksBeforeSaving)
{
    ByteVec first(4144, 0), second(4144, 0);
    putPStr(first, 20, "Erste");
    putU16(first, 6, 3);
    putI16(first, 178, 3);
    putPStr(second, 20, "Zweite");
    putI16(second, 178, 6);
    writeBytes(dir / "v1.RVK", concat({headerBytes(2, 1), second, first}));
    openOk(dir / "v1.RVK");

    ASSERT_EQ(cls.count(), 2);
    EXPECT_EQ(cls.records[0].Name, "Erste");
    EXPECT_EQ(cls.records[0].Klassenstufe, 7);
    EXPECT_EQ(cls.records[0].SchulartNeu, 4);
    EXPECT_EQ(cls.records[1].Klassenstufe, 10);
    EXPECT_EQ(cls.records[0].slot(9).Fach, "???");
    EXPECT_EQ(cls.records[0].slot(18).Fach, "???");
    EXPECT_EQ(cls.records[0].ZgnTyp, 0);
    EXPECT_EQ(cls.header.Version, 2);
    EXPECT_EQ(cls.header.LeseVersion, 1);
    // The backup is already a version-2 file.
    EXPECT_EQ(readBytes(dir / "v1.$KL").size(), 92u + 2 * 6044);

    const auto original = readBytes(dir / "v1.RVK");
    cls.changed = true;
    prompter.answers = {false}; // cancel
    EXPECT_FALSE(cls.fileSave(prompter));
    EXPECT_EQ(prompter.log(), (std::vector{Shown::question(kAskOldVersion)}));
    EXPECT_EQ(readBytes(dir / "v1.RVK"), original);
    EXPECT_TRUE(cls.changed);

    prompter.answers = {true};
    EXPECT_TRUE(cls.fileSave(prompter));
    EXPECT_FALSE(cls.changed);
    const auto saved = readBytes(dir / "v1.RVK");
    ASSERT_EQ(saved.size(), 92u + 2 * 6044);
    EXPECT_EQ(getU16(saved, 20), 2);
    EXPECT_EQ(saved[92 + 6044 + 20], 5); // "Erste" is the last record of the file
}

TEST_F(OpenClassTest, SaveStoresTheFormAndWritesUnderTheSameName)
{
    writeBytes(dir / "k.RVK", classBytes({"A", "B"}));
    openOk(dir / "k.RVK");
    view.onStore = [&] {
        cls.currentRecord().Name = "Gespeichert";
        cls.changed = true;
    };
    EXPECT_TRUE(cls.fileSave(prompter));
    EXPECT_FALSE(cls.changed);
    EXPECT_TRUE(prompter.log().empty());
    const auto saved = readBytes(dir / "k.RVK");
    EXPECT_EQ(std::string(saved.begin() + 92 + 6044 + 21, saved.begin() + 92 + 6044 + 32), "Gespeichert");
}

TEST_F(OpenClassTest, SaveOfAnUnsavedClassProposesUnbekannteKlasse)
{
    cls.changed = true;
    prompter.files.push_back(dir / "7a"); // typed without extension
    EXPECT_TRUE(cls.fileSave(prompter));

    ASSERT_EQ(prompter.dialogs.size(), 1u);
    EXPECT_EQ(prompter.dialogs[0].proposedName, "unbekannte Klasse.RVK");
    EXPECT_EQ(prompter.dialogs[0].filter, "Zeugnis-KL-Datenbanken (*.RVK)| *.RVK");
    EXPECT_TRUE(prompter.dialogs[0].confirmOverwrite);
    EXPECT_EQ(cls.fileName, "7a.RVK");
    EXPECT_TRUE(std::filesystem::exists(dir / "7a.RVK"));
    EXPECT_FALSE(std::filesystem::exists(dir / "Vorgabe.RVK"));
    EXPECT_FALSE(cls.changed);
    EXPECT_TRUE(view.saveEnabled);
    EXPECT_EQ(view.statusName, "7a.RVK");

    // The new file carries a fresh header.
    const auto saved = readBytes(dir / "7a.RVK");
    EXPECT_EQ(std::vector<std::uint8_t>(saved.begin(), saved.begin() + 92), headerBytes(1, 2));
}

TEST_F(OpenClassTest, SaveAsProposesTheCurrentNameAndCancelKeepsIt)
{
    writeBytes(dir / "k.RVK", classBytes({"A"}));
    openOk(dir / "k.RVK");
    cls.changed = true;
    prompter.files.push_back(std::nullopt);
    EXPECT_FALSE(cls.fileSaveAs(prompter));
    EXPECT_EQ(prompter.dialogs.back().proposedName, "k.RVK");
    EXPECT_EQ(cls.fileName, "k.RVK");
    EXPECT_TRUE(cls.changed);
}

TEST_F(OpenClassTest, SaveWithAnotherExtensionWritesTheRvkNameButRvkInSmallLettersStays)
{
    // ".rvk" is ".RVK" in other letters: Save writes the file that was
    // opened, never a second file beside it that the next Open would miss.
    writeBytes(dir / "k.rvk", classBytes({"A"}));
    openOk(dir / "k.rvk");
    cls.records[0].Name = "Neu";
    cls.changed = true;
    EXPECT_TRUE(cls.fileSave(prompter));
    EXPECT_EQ(cls.fileName, "k.rvk");
    EXPECT_FALSE(std::filesystem::exists(dir / "k.RVK"));
    openOk(dir / "k.rvk");
    EXPECT_EQ(cls.records[0].Name.str(), "Neu");

    // Save As keeps a chosen name ending in ".rvk" and proposes the opened one.
    cls.changed = true;
    prompter.files.push_back(dir / "neu.rvk");
    EXPECT_TRUE(cls.fileSaveAs(prompter));
    EXPECT_EQ(prompter.dialogs.back().proposedName, "k.rvk");
    EXPECT_EQ(cls.fileName, "neu.rvk");
    EXPECT_TRUE(std::filesystem::exists(dir / "neu.rvk"));
    EXPECT_FALSE(std::filesystem::exists(dir / "neu.rvk.RVK"));

    writeBytes(dir / "t.txt", classBytes({"A"}));
    openOk(dir / "t.txt");
    EXPECT_TRUE(cls.fileSave(prompter));
    EXPECT_EQ(cls.fileName, "t.RVK");
    EXPECT_TRUE(std::filesystem::exists(dir / "t.RVK"));

    // When a file of the new name exists already, Save As is offered instead.
    writeBytes(dir / "m.txt", classBytes({"B"}));
    openOk(dir / "m.txt");
    writeBytes(dir / "m.RVK", classBytes({"Fremd"}));
    prompter.files.push_back(std::nullopt);
    EXPECT_FALSE(cls.fileSave(prompter));
    EXPECT_EQ(prompter.dialogs.back().proposedName, "m.RVK");
    EXPECT_EQ(cls.fileName, "m.txt");
}

TEST_F(OpenClassTest, FailedSaveKeepsTheOldFileAndTheChangedFlag)
{
    writeBytes(dir / "k.RVK", classBytes({"A", "B", "C"}));
    openOk(dir / "k.RVK");
    const auto original = readBytes(dir / "k.RVK");
    cls.records.resize(30, cls.records[0]); // more than the limit below lets through
    cls.changed = true;
    {
        FileSizeLimit limit(50000);
        EXPECT_FALSE(cls.fileSave(prompter));
    }
    EXPECT_EQ(prompter.log(),
              (std::vector{Shown::error(" Fehler beim Speichern von: \n" + dir.path().string() +
                                        "/k.RVK\n(Die Datei wird zu groß)")}));
    EXPECT_TRUE(cls.changed);
    EXPECT_EQ(readBytes(dir / "k.RVK"), original);
    // No temporary file is left behind.
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path()))
        ++files;
    EXPECT_EQ(files, 2u); // k.RVK and its backup
}

TEST_F(OpenClassTest, FailedSaveAsOverAnExistingFileLeavesItIntact)
{
    writeBytes(dir / "k.RVK", classBytes({"A"}));
    openOk(dir / "k.RVK");
    writeBytes(dir / "ziel.RVK", classBytes({"Ziel"}));
    const auto target = readBytes(dir / "ziel.RVK");
    cls.records.resize(30, cls.records[0]);
    cls.changed = true;
    prompter.files.push_back(dir / "ziel.RVK");
    {
        FileSizeLimit limit(50000);
        EXPECT_FALSE(cls.fileSaveAs(prompter));
    }
    EXPECT_EQ(readBytes(dir / "ziel.RVK"), target);
    EXPECT_EQ(cls.fileName, "k.RVK");
    EXPECT_TRUE(cls.changed);
    EXPECT_EQ(cls.header.LeseVersion, 2);
}

TEST_F(OpenClassTest, SaveAsIntoAMissingFolderCannotCreateTheFile)
{
    cls.changed = true;
    prompter.files.push_back(dir / "gibtsnicht" / "k.RVK");
    EXPECT_FALSE(cls.fileSaveAs(prompter));
    EXPECT_EQ(prompter.log(),
              (std::vector{Shown::error("Fehler beim Erzeugen der neuen Datei!\n(Ordner oder Datei nicht vorhanden)")}));
    EXPECT_EQ(cls.fileName, "Vorgabe.RVK");
    EXPECT_EQ(cls.dataFolder, dir.path());
    EXPECT_TRUE(cls.changed);
}

TEST_F(OpenClassTest, NewAsksAndStartsFromTheTemplate)
{
    writeBytes(dir / "k.RVK", classBytes({"A", "B"}));
    openOk(dir / "k.RVK");
    cls.current = 1;

    prompter.answers = {false};
    EXPECT_FALSE(cls.fileNew(prompter));
    EXPECT_EQ(cls.count(), 2);
    EXPECT_EQ(prompter.log(), (std::vector{Shown::question(kAskNew)}));

    cls.newRecordTemplate.Name = "Vorlage";
    view.saveEnabled = true;
    prompter.answers = {true};
    EXPECT_TRUE(cls.fileNew(prompter));
    ASSERT_EQ(cls.count(), 1);
    EXPECT_EQ(cls.current, 0);
    EXPECT_EQ(cls.records[0].Name, "Vorlage");
    EXPECT_EQ(cls.fileName, "Vorgabe.RVK");
    EXPECT_FALSE(cls.changed);
    EXPECT_FALSE(view.saveEnabled);
    EXPECT_EQ(view.statusName, "Vorgabe.RVK");
    EXPECT_NE(std::find(view.calls.begin(), view.calls.end(), "clearTable"), view.calls.end());
}

TEST_F(OpenClassTest, NewSavesChangesFirstWhenAsked)
{
    writeBytes(dir / "k.RVK", classBytes({"A"}));
    openOk(dir / "k.RVK");
    cls.records[0].Name = "Neu";
    cls.changed = true;
    prompter.answers = {true};
    prompter.choices = {kChoiceSave};
    EXPECT_TRUE(cls.fileNew(prompter));
    EXPECT_EQ(prompter.log(), (std::vector{Shown::question(kAskNew), Shown::question(kAskSaveBeforeNew)}));
    EXPECT_EQ(readBytes(dir / "k.RVK")[92 + 20], 3); // "Neu" was saved
    EXPECT_EQ(cls.fileName, "Vorgabe.RVK");
}

TEST_F(OpenClassTest, NewKeepsTheClassWhenTheRequestedSaveDidNotHappen)
{
    cls.records[0].Name = "Ungespeichert";
    cls.changed = true;
    prompter.answers = {true};
    prompter.choices = {kChoiceSave};
    prompter.files.push_back(std::nullopt); // Save As dialog cancelled
    EXPECT_FALSE(cls.fileNew(prompter));
    EXPECT_EQ(cls.records[0].Name, "Ungespeichert");
    EXPECT_TRUE(cls.changed);
}

TEST_F(OpenClassTest, ElectiveListIsOfferedFromAndToAnotherFolder)
{
    view.central = false;
    TempDir other;
    writeBytes(other / "k.RVK", classBytes({"A"}));
    writeBytes(other / "WPFLFACH.DAT", ByteVec(10, 0)); // as copied from an old installation
    prompter.answers = {true};
    openOk(other / "k.RVK");
    EXPECT_EQ(prompter.log(), (std::vector{Shown::question("Soll die Datei mit den\nWahlpflichtfächern aus/von:\n" +
                                                           other.path().string() + "/\nmit eingelesen werden?")}));
    ASSERT_EQ(view.loadedFrom.size(), 1u);
    EXPECT_EQ(view.loadedFrom[0], other.path());

    // Opening again from the same folder does not ask.
    openOk(other / "k.RVK");
    EXPECT_EQ(prompter.log().size(), 1u);

    prompter.answers = {true};
    prompter.files.push_back(dir / "neu.RVK");
    EXPECT_TRUE(cls.fileSaveAs(prompter));
    EXPECT_EQ(prompter.last(), Shown::question("Soll die aktuelle Datei mit den\nWahlpflichtfächern auch in/unter:\n" +
                                               dir.path().string() + "/\ngespeichert werden?"));
    ASSERT_EQ(view.copiedTo.size(), 1u);
    EXPECT_EQ(view.copiedTo[0], dir.path());
}

TEST_F(OpenClassTest, WithoutAViewTheCommandsStillWork)
{
    OpenClass bare(SchoolType::Grundschule, dir.path());
    writeBytes(dir / "k.RVK", classBytes({"A", "B"}));
    prompter.files = {dir / "k.RVK", dir / "k2"};
    ASSERT_TRUE(bare.fileOpen(prompter));
    ASSERT_TRUE(bare.fileSaveAs(prompter));
    EXPECT_EQ(readBytes(dir / "k2.RVK"), readBytes(dir / "k.RVK"));
    EXPECT_TRUE(prompter.log().empty());
}
